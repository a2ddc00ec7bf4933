// SPDX-License-Identifier: MIT
// The bounds of a path: the points of all entries but closes, zero sizes widened, the
// search range, and the cache refreshed by change notifications.
#include "PathTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace kw {
namespace {

void ExpectRect(const TKwRect& R, float L, float T, float Ri, float B) {
    EXPECT_EQ(R.Left, L);
    EXPECT_EQ(R.Top, T);
    EXPECT_EQ(R.Right, Ri);
    EXPECT_EQ(R.Bottom, B);
}

TEST(PathBounds, PointsOfAllButClosesWithZeroSizesWidened) {
    TKwPathData empty;
    ExpectRect(empty.GetBounds(), 0, 0, 0, 0);
    EXPECT_TRUE(empty.IsEmpty());

    TKwPathData dot;
    dot.MoveTo({5, 5});
    ExpectRect(dot.GetBounds(), 5, 5, 5.001f, 5.001f);
    EXPECT_FALSE(dot.IsEmpty());

    // Control points count although the curve does not reach them; a close holding a far
    // away start point does not.
    TKwPathData curve;
    curve.MoveTo({0, 0});
    curve.CurveTo({-5, 20}, {15, -8}, {10, 0});
    ExpectRect(curve.GetBounds(), -5, -8, 15, 20);

    TKwPathData closed;
    closed.MoveTo({-100, -100});
    closed.ClosePath();
    closed.Translate(200, 200); // the close keeps (-100,-100)
    ExpectRect(closed.GetBounds(), 100, 100, 100.001f, 100.001f);

    // Widening that a float cannot hold leaves a zero size: the path is empty.
    TKwPathData far;
    far.MoveTo({50000, 50000});
    far.LineTo({50000, 50000});
    EXPECT_TRUE(far.IsEmpty());
}

TEST(PathBounds, StartValuesLimitPathsBeyondTheSearchRange) {
    TKwPathData path;
    path.MoveTo({70000, -80000});
    path.LineTo({90000, -70000});
    ExpectRect(path.GetBounds(), 65535, -80000, 90000, -65535);
}

TEST(PathBounds, CacheIsRefreshedOnlyByNotifyingChanges) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.LineTo({10, 10});
    ExpectRect(path.GetBounds(), 0, 0, 10, 10);

    path.BeginUpdate();
    path.LineTo({50, 50});
    ExpectRect(path.GetBounds(), 0, 0, 10, 10); // still the cached box
    path.EndUpdate();
    ExpectRect(path.GetBounds(), 0, 0, 50, 50);

    // A const path answers too, and Clear drops back to the empty box.
    const TKwPathData& view = path;
    ExpectRect(view.GetBounds(), 0, 0, 50, 50);
    path.Clear();
    ExpectRect(view.GetBounds(), 0, 0, 0, 0);
}

} // namespace
} // namespace kw
