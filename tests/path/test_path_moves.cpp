// SPDX-License-Identifier: MIT
// Moving paths: many paths in a vector, what a move carries (entries, fill mode, the kept
// samples) and what it leaves behind (the handler; an empty, usable source).

#include "PathTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kw {
namespace {

using test::AddSquare;
using test::ChangeCounter;
using test::ExpectEntries;

TEST(PathMoves, ManyPathsLiveInAVector) {
    std::vector<TKwPathData> paths;
    ChangeCounter first;
    const TKwPathData* firstAt = nullptr;
    bool firstMoved = false;
    for (int i = 0; i < 300; ++i) {
        TKwPathData& p = paths.emplace_back(); // growing moves the paths before it
        if (i == 0) {
            first.Attach(p);
            firstAt = &p;
        }
        AddSquare(p, float(i), 0, 1);
        if (i % 3 == 0) p.SetFillMode(fmNonZero);
        if (!firstMoved && &paths[0] != firstAt) {
            firstMoved = true;
            paths[0].Translate(1, 1); // moved: no longer tells the first path's handler
        }
    }
    ASSERT_TRUE(firstMoved);
    paths.erase(paths.begin()); // moves every other path one place down
    ASSERT_EQ(paths.size(), 299u);
    for (size_t i = 0; i < paths.size(); ++i) {
        const float x = float(i + 1);
        SCOPED_TRACE(i);
        ExpectEntries(paths[i], {{ppMoveTo, x, 0},
                                 {ppLineTo, x + 1, 0},
                                 {ppLineTo, x + 1, 1},
                                 {ppLineTo, x, 1},
                                 {ppClose, x, 0}});
        EXPECT_EQ(paths[i].FillMode(), (i + 1) % 3 == 0 ? fmNonZero : fmEvenOdd);
        EXPECT_FALSE(paths[i].OnChanged()); // every one of them was moved at least once
    }
    EXPECT_EQ(first.Calls, 6); // the square and its fill mode, all before the first move
}

TEST(PathMoves, TheMovedToPathKeepsEntriesAndFillModeButNotTheHandler) {
    TKwPathData source;
    ChangeCounter counter;
    counter.Attach(source);
    AddSquare(source, 0, 0, 10);
    source.SetFillMode(fmNonZero);
    ASSERT_TRUE(source.PointInPathArea(5, 5)); // builds the kept hit index
    const int calls = counter.Calls;

    TKwPathData moved(std::move(source));
    ExpectEntries(moved, {{ppMoveTo, 0, 0},
                          {ppLineTo, 10, 0},
                          {ppLineTo, 10, 10},
                          {ppLineTo, 0, 10},
                          {ppClose, 0, 0}});
    EXPECT_EQ(moved.FillMode(), fmNonZero);
    EXPECT_TRUE(moved.PointInPathArea(5, 5));
    EXPECT_FALSE(moved.OnChanged());
    moved.LineToRel({1, 1}); // continues from the start point the move carried
    ExpectEntries(moved, {{ppMoveTo, 0, 0},
                          {ppLineTo, 10, 0},
                          {ppLineTo, 10, 10},
                          {ppLineTo, 0, 10},
                          {ppClose, 0, 0},
                          {ppLineTo, 1, 1}});
    EXPECT_EQ(counter.Calls, calls); // neither the move nor the moved path told anyone

    // The source is a new path again, with its own handler, and works as one.
    EXPECT_EQ(source.Count(), 0);
    EXPECT_EQ(source.FillMode(), fmEvenOdd);
    EXPECT_TRUE(source.LastPoint().SameAs({0, 0}));
    EXPECT_EQ(source.GetBounds().Right, 0);
    EXPECT_FALSE(source.PointInPathArea(5, 5));
    AddSquare(source, 20, 20, 5);
    EXPECT_TRUE(source.PointInPathArea(22, 22));
    EXPECT_GT(counter.Calls, calls);

    // Move assignment: the target drops its own entries and handler as well.
    TKwPathData target;
    ChangeCounter targetCounter;
    targetCounter.Attach(target);
    AddSquare(target, 100, 100, 1);
    const int targetCalls = targetCounter.Calls;
    target = std::move(moved);
    EXPECT_EQ(target.Count(), 6);
    EXPECT_EQ(target.FillMode(), fmNonZero);
    EXPECT_FALSE(target.OnChanged());
    EXPECT_EQ(moved.Count(), 0);
    target.Clear();
    EXPECT_EQ(targetCounter.Calls, targetCalls);
    TKwPathData& same = target;
    AddSquare(target, 1, 1, 1);
    target = std::move(same); // onto itself: nothing changes
    EXPECT_EQ(target.Count(), 5);
}

} // namespace
} // namespace kw
