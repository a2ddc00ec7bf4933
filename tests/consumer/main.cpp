// A program outside the library's tree, built against an installed copy: every public
// header must be there and usable on its own.
#include <kwgfx/KwDeltaFont.h>
#include <kwgfx/KwGraphics.h>
#include <kwgfx/KwHintWindow.h>
#include <kwgfx/KwVclCommon.h>
#include <kwgfx/KwVclGraphics.h>
#include <kwgfx/KwVclHelperFunctions.h>

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
    return ok ? 0 : 1;
}
