// SPDX-License-Identifier: MIT
#include "kwgfx/platform/windowing/Screen.h"

#include <algorithm>

namespace kw::platform {

void TScreen::SetSize(int32_t Width, int32_t Height) {
    FWidth = std::max(0, Width);
    FHeight = std::max(0, Height);
}

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

} // namespace kw::platform
