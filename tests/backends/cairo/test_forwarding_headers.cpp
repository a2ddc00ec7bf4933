// SPDX-License-Identifier: MIT
// The include paths of the previous release (compat/) still compile and name the classes
// of the Cairo backend.
#include "kwgfx/platform/graphics/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/cairo/BitmapWindowSurface.h"
#include "kwgfx/platform/graphics/cairo/CairoCanvas.h"
#include "kwgfx/platform/graphics/cairo/CairoStaticData.h"
#include "kwgfx/platform/graphics/cairo/VectorDocument.h"

#include <gtest/gtest.h>

TEST(ForwardingHeaders, OldCairoPathsReachTheBackend) {
    kw::platform::TBitmap bitmap(3, 2);
    kw::platform::TCairoCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(kw::platform::clRed);
    canvas.FillRect(kw::platform::TRect(0, 0, 3, 2));
    EXPECT_EQ(bitmap.GetPixelRGBA(2, 1), (kw::platform::TRGBA{255, 0, 0, 255}));
}
