// SPDX-License-Identifier: MIT
// A program outside the library's tree, built against an installed copy: every public
// header must be there and usable on its own. Built with KWGFX_CONSUMER_RASTER it also
// draws on the raster canvas and calls Cairo itself, so the installed package must pass on
// Cairo's headers and everything the static libraries link.
#include <kwgfx/KwDeltaFont.h>
#include <kwgfx/KwGraphics.h>
#include <kwgfx/KwHintWindow.h>
#include <kwgfx/KwVclCommon.h>
#include <kwgfx/KwVclGraphics.h>
#include <kwgfx/KwVclHelperFunctions.h>

#if KWGFX_CONSUMER_RASTER
#include <kwgfx/backends/cairo/Bitmap.h>
// The include path of the previous release, forwarding to backends/cairo.
#include <kwgfx/platform/graphics/cairo/VectorDocument.h>

#include <cairo.h>
#endif

#include <cstdio>

int main() {
    const kw::TKwPoint p = kw::KwPoint(3.0f, -1.5f);
    const std::string text = kw::KwPointToString(p);
    std::printf("%s\n", text.c_str());

    const kw::TRGB rgb = kw::ColorToRGB(0x00123456);
    kw::TKwDeltaFont font;
    kw::TKwHintWindow hint(nullptr);
    kw::platform::TMenuItem menu;
    const bool ok = text == "(3,-1.5)" && rgb.R == 0x56 && font.Deltas().IsEmpty() &&
                    hint.Interval() == 1000 && !kw::IsSubmenuVisible(&menu);
    if (!ok) return 1;

#if KWGFX_CONSUMER_RASTER
    kw::platform::TBitmap icon(16, 16, kw::platform::TRGBA::Transparent);
    kw::TKwSvgFillOptions fill;
    fill.Color = kw::platform::ParseColor("#1E88E5");
    fill.FitInto = kw::TKwRect(0, 0, 16, 16);
    kw::FillSvgPath(icon.Canvas(), "M0 0H4V4H0Z", fill);
    const bool drawn = icon.GetPixelRGBA(8, 8) == kw::platform::TRGBA{0x1E, 0x88, 0xE5, 255} &&
                       cairo_image_surface_get_width(icon.Surface()) == 16;
    std::printf("raster canvas: %s\n", drawn ? "drawn" : "wrong pixels");
    if (!drawn) return 1;
#endif
    return 0;
}
