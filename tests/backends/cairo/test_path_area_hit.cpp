// SPDX-License-Identifier: MIT
// PointInPathArea against the pixels FillPathArea paints on the raster canvas (anti-aliasing
// off, so a pixel is painted when its centre is inside, but for gaps narrower than a pixel,
// which the rasteriser fills), on every icon of the sample, under its own fill rule: every
// pixel centre farther than one pixel from an edge agrees.
#include "support/AreaOracle.h"

#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/path/KwPathAreaFill.h"
#include "kwgfx/path/KwPathData.h"
#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include "support/IconSample.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kw;

namespace {} // namespace

TEST(CairoPathAreaHit, AgreesWithThePaintedPixelsOnEveryIcon) {
    const std::vector<kwtest::TIconSample> icons = kwtest::LoadIconSample();
    ASSERT_GE(icons.size(), 400u);
    int compared = 0, insideTotal = 0;
    for (const int size : {40, 96}) {
        for (const kwtest::TIconSample& icon : icons) {
            TKwPathData path;
            ASSERT_TRUE(path.SetSvgPathString(icon.Data)) << icon.Id();
            path.SetFillMode(icon.FillRule == "evenodd" ? fmEvenOdd : fmNonZero);
            // The icon's bounds onto the picture, a pixel in from each side.
            const TKwRect b = path.GetTightBounds();
            path.Translate(-b.Left, -b.Top);
            path.Scale((size - 3) / (b.Right - b.Left), (size - 3) / (b.Bottom - b.Top));
            path.Translate(1, 1);

            platform::TBitmap picture(size, size);
            platform::TCairoCanvas& canvas = picture.Canvas();
            canvas.Pen().SetStyle(platform::psClear);
            canvas.Brush().SetColor(platform::clBlack);
            FillPathArea(canvas, path);

            const std::vector<bool> near =
                test::NearEdges(test::AreaFigures(path, std::nullopt), size, size, 1.0);
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    if (near[size_t(y) * size + x]) continue;
                    const bool painted = picture.GetPixel(x, y) == platform::clBlack;
                    ++compared;
                    insideTotal += painted;
                    ASSERT_EQ(path.PointInPathArea(float(x), float(y)), painted)
                        << icon.Id() << " (" << icon.FillRule << ") at " << x << "," << y << " in "
                        << size << " x " << size;
                }
        }
    }
    // Most of each picture is compared, and a good part of it is inside.
    EXPECT_GT(compared, 400 * (40 * 40 + 96 * 96) / 2);
    EXPECT_GT(insideTotal, compared / 8);
}
