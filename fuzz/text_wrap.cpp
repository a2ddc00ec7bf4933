// SPDX-License-Identifier: MIT
// Wraps and measures arbitrary text on a recording canvas: WrapCanvasText with any width,
// break characters and line break, the multi-line height, the rotated extent at any angle
// and DrawText's layout with any flags, rectangle and font height. Nothing may crash or
// overflow, and wrapping may only insert line breaks: taking them out gives the text back.
//
// Input: a header (font height, width bits, angle, DrawText flags and rectangle, the
// break characters' selector), then the text.

#include "FuzzSupport.h"

#include <kwgfx/drawing/TextMeasure.h>
#include <kwgfx/drawing/TextWrap.h>
#include <kwgfx/platform/graphics/RecordingCanvas.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

// The text without every occurrence of Marker.
std::string Without(const std::string& Text, char Marker) {
    std::string out;
    for (char c : Text)
        if (c != Marker) out += c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace kw;
    constexpr size_t HeaderSize = 4 + 4 + 4 + 4 + 16 + 1;
    fuzz::TInputReader header(Data, Size);
    const int32_t fontHeight = header.Next<int32_t>();
    const float maxWidth = header.Next<float>();
    const int32_t angle = header.Next<int32_t>();
    const uint32_t flags = header.Next<uint32_t>();
    TRect box;
    box.Left = header.Next<int32_t>();
    box.Top = header.Next<int32_t>();
    box.Right = header.Next<int32_t>();
    box.Bottom = header.Next<int32_t>();
    const uint8_t breakSelector = header.Next<uint8_t>();
    const std::string text(Size > HeaderSize ? fuzz::InputText(Data + HeaderSize, Size - HeaderSize)
                                             : std::string_view());

    platform::TRecordingCanvas canvas;
    canvas.Font().SetHeight(fontHeight);

    // The line break is a byte the text does not hold, so that it can be taken out again.
    char marker = 1;
    while (marker != 0 && text.find(marker) != std::string::npos) ++marker;
    const platform::TKwCharSet breaks =
        breakSelector & 1 ? DefaultWrapBreakChars
                          : platform::KwCharSet(text.substr(0, breakSelector % 8));
    const std::string wrapped =
        WrapCanvasText(canvas, text, std::string_view(&marker, marker != 0), breaks, maxWidth);
    if (marker != 0 && Without(wrapped, marker) != text)
        fuzz::Fail("wrapping changed the text, not only its breaks");
    if (std::isinf(maxWidth) && maxWidth > 0 && wrapped != text)
        fuzz::Fail("text wrapped at an unlimited width");
    if (WrapCanvasText(canvas, text, maxWidth).size() < text.size())
        fuzz::Fail("short form lost text");

    const float height = GetMultilineTextHeight(canvas, text);
    if (!(height >= 0)) fuzz::Fail("negative or NaN text height");
    TPoint origin;
    const TSize extent = GetRotatedTextExtent(canvas, angle, text, origin);
    if (extent.cx < 0 || extent.cy < 0) fuzz::Fail("negative rotated extent");
    TKwPoint originF;
    GetRotatedTextExtent(canvas, angle, text, originF);

    TRect layout = box;
    canvas.DrawText(text, layout, flags);
    return 0;
}
