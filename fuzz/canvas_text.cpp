// SPDX-License-Identifier: MIT
// Arbitrary bytes as text on the Cairo canvas: TextExtent, TextOut and DrawText with any
// flags, rectangle, font size, style, orientation and anti-aliasing. Nothing may crash, leak
// or read past the text's end (AddressSanitizer sees the text in a buffer of its exact size),
// and invalid UTF-8 is measured as the text with U+FFFD in place of each bad byte.
//
// Input: a header (font height, style bits, orientation, DrawText flags, rectangle, pen
// position, options), then the text.

#include "FuzzSupport.h"

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/backends/cairo/CairoCanvas.h>
#include <kwgfx/backends/cairo/detail/Utf8Repair.h>

#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace kw::platform;
    constexpr size_t HeaderSize = 1 + 1 + 2 + 4 + 8 + 4 + 1;
    kw::fuzz::TInputReader header(Data, Size);
    const int8_t height = header.Next<int8_t>();
    const uint8_t style = header.Next<uint8_t>();
    const int16_t orientation = header.Next<int16_t>();
    const uint32_t flags = header.Next<uint32_t>();
    TRect rect;
    rect.Left = header.Next<int16_t>() % 200;
    rect.Top = header.Next<int16_t>() % 200;
    rect.Right = header.Next<int16_t>() % 400;
    rect.Bottom = header.Next<int16_t>() % 400;
    const int16_t x = header.Next<int16_t>() % 200, y = header.Next<int16_t>() % 200;
    const uint8_t options = header.Next<uint8_t>();
    if (Size < HeaderSize) return 0;
    // The text in a buffer of its own exact size, so that a read past its end is caught.
    const size_t length = Size - HeaderSize;
    const auto buffer = std::make_unique<char[]>(length ? length : 1);
    std::copy(Data + HeaderSize, Data + Size, buffer.get());
    const std::string_view text(buffer.get(), length);

    TBitmap bitmap(96, 64);
    auto& canvas = static_cast<TCairoCanvas&>(bitmap.Canvas());
    canvas.SetTextEngine((options & 1) ? TCairoTextEngine::Simple : TCairoTextEngine::Pango);
    canvas.SetAntialias(options & 2);
    canvas.Font().SetName((options & 4) ? "DejaVu Sans Mono" : "Default");
    canvas.Font().SetHeight(height);
    canvas.Font().SetStyle(TFontStyles::FromBits(style));
    canvas.Font().SetOrientation(orientation);
    if (options & 8) canvas.Brush().SetStyle(bsClear);

    const TSize extent = canvas.TextExtent(text);
    if (extent.cx < 0 || extent.cy < 0) kw::fuzz::Fail("negative text extent");
    const std::string repaired = kw::platform::cairo_detail::RepairUtf8(text);
    if (!kw::platform::cairo_detail::IsCleanUtf8(repaired)) kw::fuzz::Fail("repair left bad UTF-8");
    if (canvas.TextWidth(repaired) != extent.cx)
        kw::fuzz::Fail("invalid UTF-8 measures otherwise than its repaired text");
    canvas.TextOut(x, y, text);
    canvas.DrawText(text, rect, flags);
    return 0;
}
