// SPDX-License-Identifier: MIT
// The path model: entry layout, copies, notification and the building commands.

#include "PathTestSupport.h"

#include "kwgfx/platform/base/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kw {
namespace {

using test::ChangeCounter;
using test::ExpectEntries;

// Exposes the cached-bounds flag that later bounds code relies on.
class ProbePath : public TKwPathData {
public:
    std::unique_ptr<TKwPathData> NewInstance() const override {
        return std::make_unique<ProbePath>();
    }
    bool BoundsStale() const { return !FBounds.Holds(); }
    void ForgetBounds() { FBounds.Keep({}); }
};

class NotAPath : public platform::TPersistent {};

TEST(PathModel, EntriesAreNineByteRecordsInOneArray) {
    TKwPathData path;
    path.MoveTo({1.5f, -2.0f});
    path.LineTo({3.0f, 4.25f});
    const auto entries = path.Entries();
    ASSERT_EQ(entries.size(), 2u);
    const auto* bytes = reinterpret_cast<const unsigned char*>(entries.data());
    // Second record starts 9 bytes after the first: kind byte, then X and Y as floats.
    EXPECT_EQ(bytes[9], ppLineTo);
    float x = 0, y = 0;
    std::memcpy(&x, bytes + 10, 4);
    std::memcpy(&y, bytes + 14, 4);
    EXPECT_EQ(x, 3.0f);
    EXPECT_EQ(y, 4.25f);

    TKwPathPoint e = path.GetPoint(0);
    e.Point.SetY(7);
    EXPECT_EQ(TKwPoint(e.Point).X, 1.5f);
    EXPECT_EQ(e.Point.Y(), 7.0f);
}

TEST(PathModel, RelativeCommandsStartFromOriginOnEmptyPath) {
    TKwPathData path;
    EXPECT_TRUE(path.LastPoint().SameAs({0, 0}));
    path.LineToRel({5, 5});
    ExpectEntries(path, {{ppLineTo, 5, 5}});

    TKwPathData h;
    h.HLineTo(7);
    ExpectEntries(h, {{ppLineTo, 7, 0}});

    TKwPathData v;
    v.VLineToRel(-3);
    v.HLineToRel(2);
    v.VLineTo(9);
    ExpectEntries(v, {{ppLineTo, 0, -3}, {ppLineTo, 2, -3}, {ppLineTo, 2, 9}});
}

TEST(PathModel, CloseUsesSubpathStartAndRelativeCommandsContinueFromIt) {
    TKwPathData path;
    path.MoveTo({1, 2});
    path.LineTo({3, 4});
    path.ClosePath();
    path.LineToRel({1, 1});
    path.ClosePath();
    ExpectEntries(
        path,
        {{ppMoveTo, 1, 2}, {ppLineTo, 3, 4}, {ppClose, 1, 2}, {ppLineTo, 2, 3}, {ppClose, 1, 2}});

    TKwPathData rel;
    rel.MoveTo({10, 10});
    rel.MoveToRel({5, -5}); // the start point follows relative moves too
    rel.LineTo({0, 0});
    rel.ClosePath();
    rel.ClosePath();
    ExpectEntries(rel, {{ppMoveTo, 10, 10},
                        {ppMoveTo, 15, 5},
                        {ppLineTo, 0, 0},
                        {ppClose, 15, 5},
                        {ppClose, 15, 5}});
}

TEST(PathModel, CurvesAreGroupsOfThreeRelativeToOnePoint) {
    TKwPathData path;
    path.MoveTo({10, 10});
    path.CurveToRel({1, 0}, {2, 1}, {3, 3});
    ExpectEntries(
        path, {{ppMoveTo, 10, 10}, {ppCurveTo, 11, 10}, {ppCurveTo, 12, 11}, {ppCurveTo, 13, 13}});
}

TEST(PathModel, CurveOnEmptyPathStartsWithMoveToOrigin) {
    TKwPathData path;
    ChangeCounter counter;
    counter.Attach(path);
    path.MoveTo({4, 5});
    path.Clear();
    path.CurveTo({1, 1}, {2, 2}, {3, 3});
    EXPECT_EQ(counter.Calls, 3);
    path.ClosePath(); // the implicit move starts the subpath
    ExpectEntries(path, {{ppMoveTo, 0, 0},
                         {ppCurveTo, 1, 1},
                         {ppCurveTo, 2, 2},
                         {ppCurveTo, 3, 3},
                         {ppClose, 0, 0}});

    TKwPathData quad;
    quad.QuadCurveTo({3, 3}, {6, 0});
    ExpectEntries(quad,
                  {{ppMoveTo, 0, 0}, {ppCurveTo, 2, 2}, {ppCurveTo, 4, 2}, {ppCurveTo, 6, 0}});
}

TEST(PathModel, SmoothCurveReflectsTheEntryBeforeTheLast) {
    TKwPathData shortPath;
    shortPath.MoveTo({0, 0});
    shortPath.SmoothCurveTo({4, 5}, {6, 6});
    ExpectEntries(shortPath,
                  {{ppMoveTo, 0, 0}, {ppCurveTo, 4, 5}, {ppCurveTo, 4, 5}, {ppCurveTo, 6, 6}});

    // After two lines the first control point mirrors A about B, although no curve came
    // before.
    TKwPathData lines;
    lines.MoveTo({0, 0});
    lines.LineTo({1, 2});
    lines.LineTo({4, 4});
    lines.SmoothCurveTo({9, 9}, {10, 10});
    ExpectEntries(lines, {{ppMoveTo, 0, 0},
                          {ppLineTo, 1, 2},
                          {ppLineTo, 4, 4},
                          {ppCurveTo, 7, 6},
                          {ppCurveTo, 9, 9},
                          {ppCurveTo, 10, 10}});

    // Relative form: control point 2 and end are relative, the reflection is absolute.
    TKwPathData curve;
    curve.MoveTo({0, 0});
    curve.CurveTo({0, 5}, {5, 10}, {10, 10});
    curve.SmoothCurveToRel({5, -10}, {10, -10});
    ExpectEntries(curve, {{ppMoveTo, 0, 0},
                          {ppCurveTo, 0, 5},
                          {ppCurveTo, 5, 10},
                          {ppCurveTo, 10, 10},
                          {ppCurveTo, 15, 10},
                          {ppCurveTo, 15, 0},
                          {ppCurveTo, 20, 0}});
}

TEST(PathModel, QuadraticBecomesTheSameCurveAsACubic) {
    TKwPathData path;
    path.MoveTo({0, 0});
    path.QuadCurveTo({30, 60}, {90, 0});
    ExpectEntries(path,
                  {{ppMoveTo, 0, 0}, {ppCurveTo, 20, 40}, {ppCurveTo, 50, 40}, {ppCurveTo, 90, 0}});

    // Values that are not exact in binary: each control point is rounded once to float.
    TKwPathData odd;
    odd.MoveTo({0.1f, 0.7f});
    odd.QuadCurveTo({1.3f, -2.9f}, {5.5f, 3.3f});
    const long double third = 1.0L / 3, twoThirds = 2.0L / 3;
    const TKwPoint c1 = odd.GetPoint(1).Point;
    const TKwPoint c2 = odd.GetPoint(2).Point;
    EXPECT_EQ(c1.X, static_cast<float>(0.1f * third + 1.3f * twoThirds));
    EXPECT_EQ(c1.Y, static_cast<float>(0.7f * third + -2.9f * twoThirds));
    EXPECT_EQ(c2.X, static_cast<float>(1.3f * twoThirds + 5.5f * third));
    EXPECT_EQ(c2.Y, static_cast<float>(-2.9f * twoThirds + 3.3f * third));
    // The midpoint of the quadratic is the midpoint of the cubic.
    const float quadMid = 0.25f * 0.1f + 0.5f * 1.3f + 0.25f * 5.5f;
    const float cubicMid = 0.125f * 0.1f + 0.375f * c1.X + 0.375f * c2.X + 0.125f * 5.5f;
    EXPECT_NEAR(quadMid, cubicMid, 1e-6f);
}

TEST(PathModel, PolygonsCloseOnlyWhenLastPointRepeatsFirst) {
    TKwPathData closed;
    closed.AddPolygon(TKwPoints{{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    ExpectEntries(closed, {{ppMoveTo, 0, 0},
                           {ppLineTo, 10, 0},
                           {ppLineTo, 10, 10},
                           {ppLineTo, 0, 0},
                           {ppClose, 0, 0}});

    TKwPathData open;
    open.AddPolygon(TKwPoints{{0, 0}, {10, 0}, {10, 10}});
    ExpectEntries(open, {{ppMoveTo, 0, 0}, {ppLineTo, 10, 0}, {ppLineTo, 10, 10}});

    TKwPathData canvas;
    ChangeCounter counter;
    counter.Attach(canvas);
    canvas.AddPolygons(TPointPolygons{{{1, 2}, {3, 4}, {1, 2}}, {}, {{-5, 7}}});
    EXPECT_EQ(counter.Calls, 1);
    ExpectEntries(canvas, {{ppMoveTo, 1, 2},
                           {ppLineTo, 3, 4},
                           {ppLineTo, 1, 2},
                           {ppClose, 1, 2},
                           {ppMoveTo, -5, 7},
                           {ppClose, -5, 7}});
}

TEST(PathModel, PolygonBatchesNotifyOnce) {
    TKwPathData path;
    ChangeCounter counter;
    counter.Attach(path);
    path.AddPolygon(TKwPoints{});
    EXPECT_EQ(counter.Calls, 0);
    path.AddPolygon(TKwPoints{{0, 0}, {1, 1}, {2, 0}});
    EXPECT_EQ(counter.Calls, 1);
    path.AddPolygons(TKwPolygons{});
    EXPECT_EQ(counter.Calls, 2);
    EXPECT_EQ(counter.LastSender, &path);
}

TEST(PathModel, UpdateBracketsNotifyOnceAtTheOutermostEnd) {
    ProbePath path;
    ChangeCounter counter;
    counter.Attach(path);
    path.ForgetBounds();
    path.BeginUpdate();
    path.BeginUpdate();
    path.MoveTo({1, 1});
    path.LineTo({2, 2});
    path.EndUpdate();
    EXPECT_EQ(counter.Calls, 0);
    EXPECT_FALSE(path.BoundsStale()); // edits inside a bracket leave the bounds alone
    path.EndUpdate();
    EXPECT_EQ(counter.Calls, 1);
    EXPECT_TRUE(path.BoundsStale());

    // An empty bracket still notifies; a stray EndUpdate neither notifies nor disables the
    // next bracket.
    path.BeginUpdate();
    path.EndUpdate();
    EXPECT_EQ(counter.Calls, 2);
    path.EndUpdate();
    EXPECT_EQ(counter.Calls, 2);
    path.BeginUpdate();
    path.LineTo({3, 3});
    EXPECT_EQ(counter.Calls, 2);
    path.EndUpdate();
    EXPECT_EQ(counter.Calls, 3);
}

TEST(PathModel, ChangeMarksBoundsStaleWithoutListener) {
    ProbePath path;
    path.ForgetBounds();
    path.LineTo({1, 1});
    EXPECT_TRUE(path.BoundsStale());
    path.ForgetBounds();
    path.SetFillMode(fmEvenOdd); // unchanged value: no Change
    EXPECT_FALSE(path.BoundsStale());
    path.SetFillMode(fmNonZero);
    EXPECT_TRUE(path.BoundsStale());
    EXPECT_EQ(path.FillMode(), fmNonZero);
}

TEST(PathModel, ClearKeepsStartPointAndFillMode) {
    TKwPathData path;
    ChangeCounter counter;
    counter.Attach(path);
    path.SetFillMode(fmNonZero);
    path.MoveTo({4, 5});
    path.Clear();
    EXPECT_EQ(path.Count(), 0);
    EXPECT_EQ(counter.Calls, 3);
    EXPECT_EQ(path.FillMode(), fmNonZero);
    path.ClosePath();
    ExpectEntries(path, {{ppClose, 4, 5}});
}

TEST(PathModel, AssignCopiesEntriesAndFillModeButNotStartPoint) {
    TKwPathData source;
    source.SetFillMode(fmNonZero);
    source.MoveTo({7, 8});
    source.LineTo({9, 9});

    TKwPathData target;
    ChangeCounter counter;
    counter.Attach(target);
    target.MoveTo({1, 1});
    target.LineTo({2, 2});
    target.LineTo({3, 3});
    target.Assign(source);
    EXPECT_EQ(counter.Calls, 4);
    EXPECT_EQ(target.FillMode(), fmNonZero);
    target.ClosePath();
    ExpectEntries(target, {{ppMoveTo, 7, 8}, {ppLineTo, 9, 9}, {ppClose, 1, 1}});

    NotAPath other;
    EXPECT_THROW(target.Assign(other), platform::EAssignError);
    EXPECT_EQ(target.Count(), 3);
}

TEST(PathModel, AppendTakesFillModeOnlyWhenEmpty) {
    TKwPathData source;
    source.SetFillMode(fmNonZero);
    source.MoveTo({1, 1});

    TKwPathData empty;
    empty.Append(source);
    EXPECT_EQ(empty.FillMode(), fmNonZero);
    ExpectEntries(empty, {{ppMoveTo, 1, 1}});

    TKwPathData filled;
    filled.MoveTo({5, 5});
    filled.Append(source);
    EXPECT_EQ(filled.FillMode(), fmEvenOdd);
    filled.ClosePath(); // the start point is still our own
    ExpectEntries(filled, {{ppMoveTo, 5, 5}, {ppMoveTo, 1, 1}, {ppClose, 5, 5}});

    filled.Append(filled);
    ASSERT_EQ(filled.Count(), 6);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(filled.GetPoint(i).Kind, filled.GetPoint(i + 3).Kind);
        EXPECT_TRUE(TKwPoint(filled.GetPoint(i).Point).SameAs(filled.GetPoint(i + 3).Point));
    }
}

TEST(PathModel, CloneKeepsTheDynamicClassAndIsIndependent) {
    ProbePath path;
    ChangeCounter counter;
    counter.Attach(path);
    path.SetFillMode(fmNonZero);
    path.MoveTo({1, 2});
    const std::unique_ptr<TKwPathData> copy = path.Clone();
    ASSERT_NE(dynamic_cast<ProbePath*>(copy.get()), nullptr);
    EXPECT_EQ(copy->ClassName(), "ProbePath");
    EXPECT_EQ(copy->FillMode(), fmNonZero);
    EXPECT_FALSE(copy->OnChanged()); // listeners are not copied
    copy->LineTo({3, 3});
    EXPECT_EQ(path.Count(), 1);
    EXPECT_EQ(copy->Count(), 2);
}

} // namespace
} // namespace kw
