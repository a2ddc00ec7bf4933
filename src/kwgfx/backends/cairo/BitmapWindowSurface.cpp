// SPDX-License-Identifier: MIT
#include "kwgfx/backends/cairo/BitmapWindowSurface.h"

namespace kw::platform {

void TBitmapWindowSurface::SetSize(int32_t Width, int32_t Height) {
    if (Width != FBitmap.Width() || Height != FBitmap.Height()) FBitmap.SetSize(Width, Height);
}

} // namespace kw::platform
