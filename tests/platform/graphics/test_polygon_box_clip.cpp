// SPDX-License-Identifier: MIT
// Clipping far polygons to a box: figures inside stay as they are, far ones keep their
// coverage inside the box.
#include "kwgfx/platform/graphics/PolygonBoxClip.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

using namespace kw::platform;

namespace {

// The winding number of Figure (closed) round the point P; long double, so that the
// differences of far coordinates cannot overflow.
int Winding(const std::vector<TPointD>& Figure, TPointD P) {
    int w = 0;
    for (std::size_t i = 0; i < Figure.size(); ++i) {
        const TPointD a = Figure[i], b = Figure[(i + 1) % Figure.size()];
        const long double side = ((long double)b.X - a.X) * ((long double)P.Y - a.Y) -
                                 ((long double)P.X - a.X) * ((long double)b.Y - a.Y);
        if (a.Y <= P.Y && b.Y > P.Y && side > 0) ++w;
        if (a.Y > P.Y && b.Y <= P.Y && side < 0) --w;
    }
    return w;
}

} // namespace

TEST(PolygonBoxClip, FiguresInsideStayAndFarOnesKeepTheirCoverageInsideTheBox) {
    const TBoxD box{-10, -10, 50, 50};
    const std::vector<TPointD> inside{{0, 0}, {50, 0}, {50, 50}, {-10, 50}};
    EXPECT_TRUE(FigureInsideBox(inside, box));
    EXPECT_EQ(ClipFigureToBox(inside, box), inside);

    // A star-like figure whose tips reach far beyond every side, drawn twice round one
    // loop (so that winding and even-odd differ), and a slanted sliver with a far tip.
    const std::vector<std::vector<TPointD>> far{{{20, -1e9},
                                                 {25, 20},
                                                 {1e12, 30},
                                                 {20, 25},
                                                 {-3e8, 1e10},
                                                 {15, 20},
                                                 {20, -1e9},
                                                 {24, 20},
                                                 {2e12, 31},
                                                 {20, 26},
                                                 {-3e8, 2e10},
                                                 {16, 20}},
                                                {{0, 0}, {1e9, 2e9}, {0, 2e9}}};
    for (const std::vector<TPointD>& figure : far) {
        EXPECT_FALSE(FigureInsideBox(figure, box));
        const std::vector<TPointD> clipped = ClipFigureToBox(figure, box);
        EXPECT_TRUE(FigureInsideBox(clipped, box));
        // Points off the grid lines, so that none lies on an edge.
        for (double y = -9.7; y < 50; y += 1.3)
            for (double x = -9.9; x < 50; x += 1.1)
                ASSERT_EQ(Winding(clipped, {x, y}), Winding(figure, {x, y}))
                    << "at " << x << "," << y;
    }

    // At the far end of the double range the crossings lose their precision, but they stay
    // finite and in the box.
    const std::vector<TPointD> huge{{1e308, -1e308}, {-1e308, 1e308}, {-1e308, -1e308}};
    const std::vector<TPointD> hugeClipped = ClipFigureToBox(huge, box);
    EXPECT_GE(hugeClipped.size(), 3u);
    EXPECT_TRUE(FigureInsideBox(hugeClipped, box));

    const std::vector<TPointD> beyond{{100, 0}, {200, 0}, {150, 40}};
    EXPECT_TRUE(ClipFigureToBox(beyond, box).empty());
}
