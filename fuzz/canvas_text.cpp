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

#include <cstdint>
#include <memory>
#include <string>

namespace {

// Text with each byte that starts no valid UTF-8 sequence (shortest form, no surrogate, no
// NUL, at most U+10FFFF) replaced by U+FFFD: what the canvas promises to draw.
std::string Repaired(std::string_view Text) {
    std::string out;
    for (size_t i = 0; i < Text.size();) {
        const auto c = static_cast<unsigned char>(Text[i]);
        const size_t len = c >= 0x01 && c < 0x80   ? 1
                           : c >= 0xC2 && c < 0xE0 ? 2
                           : c >= 0xE0 && c < 0xF0 ? 3
                           : c >= 0xF0 && c < 0xF5 ? 4
                                                   : 0;
        bool ok = len > 0 && i + len <= Text.size();
        uint32_t cp = len == 1 ? c : c & (0x7F >> len);
        for (size_t k = 1; ok && k < len; ++k) {
            const auto t = static_cast<unsigned char>(Text[i + k]);
            ok = (t & 0xC0) == 0x80;
            cp = (cp << 6) | (t & 0x3F);
        }
        ok = ok && !(len == 3 && cp < 0x800) && !(len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) &&
             !(cp >= 0xD800 && cp <= 0xDFFF);
        if (ok) {
            out.append(Text.substr(i, len));
            i += len;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

} // namespace

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
    if (canvas.TextWidth(Repaired(text)) != extent.cx)
        kw::fuzz::Fail("invalid UTF-8 measures otherwise than its repaired text");
    canvas.TextOut(x, y, text);
    canvas.DrawText(text, rect, flags);
    return 0;
}
