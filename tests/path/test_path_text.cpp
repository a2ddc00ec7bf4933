// SPDX-License-Identifier: MIT
// Path text: reading with its repeat and failure rules, writing, and round trips.

#include "PathTestSupport.h"

#include <kwgfx/path/KwPathGuarantees.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace kw {
namespace {

using test::ChangeCounter;
using test::ExpectedEntry;
using test::ExpectEntries;

void ExpectParsed(std::string_view Text, const std::vector<ExpectedEntry>& Expected) {
    SCOPED_TRACE(std::string("text: |") + std::string(Text) + "|");
    TKwPathData path;
    path.SetPathString(Text);
    ExpectEntries(path, Expected);
}

// Structural invariants every parsed path must keep, whatever the input.
void ExpectWellFormed(const TKwPathData& Path) {
    const TKwPathCheck check = KwCheckPathGuarantees(Path.Entries());
    EXPECT_TRUE(check.Ok()) << "entry " << check.Index << ": " << check.Reason;
}

TEST(PathTextRead, CommandsAndNumberScanning) {
    ExpectParsed("M 10 20 L 30 20 40 30 z",
                 {{ppMoveTo, 10, 20}, {ppLineTo, 30, 20}, {ppLineTo, 40, 30}, {ppClose, 10, 20}});
    ExpectParsed("m10-20", {{ppMoveTo, 10, -20}});
    ExpectParsed("M1e-3,5", {{ppMoveTo, 0.001f, 5}});
    ExpectParsed("M-1E2-3e-1", {{ppMoveTo, -100, -0.3f}});
    ExpectParsed("M0,0 10,10", {{ppMoveTo, 0, 0}, {ppLineTo, 10, 10}});
    ExpectParsed("m1,1 2,2 l1,0 0,1",
                 {{ppMoveTo, 1, 1}, {ppLineTo, 3, 3}, {ppLineTo, 4, 3}, {ppLineTo, 4, 4}});
    ExpectParsed("M0 0C1 1 2 2 3 3 4 4 5 5 6 6", {{ppMoveTo, 0, 0},
                                                  {ppCurveTo, 1, 1},
                                                  {ppCurveTo, 2, 2},
                                                  {ppCurveTo, 3, 3},
                                                  {ppCurveTo, 4, 4},
                                                  {ppCurveTo, 5, 5},
                                                  {ppCurveTo, 6, 6}});
    ExpectParsed("M1,1 c1,0 2,1 3,3",
                 {{ppMoveTo, 1, 1}, {ppCurveTo, 2, 1}, {ppCurveTo, 3, 2}, {ppCurveTo, 4, 4}});
    ExpectParsed(
        "M0,0 H5 v5 h-2 V1",
        {{ppMoveTo, 0, 0}, {ppLineTo, 5, 0}, {ppLineTo, 5, 5}, {ppLineTo, 3, 5}, {ppLineTo, 3, 1}});
    // TAB, LF and CR separate like spaces.
    ExpectParsed("M1\t2\r\nL3\n4", {{ppMoveTo, 1, 2}, {ppLineTo, 3, 4}});
}

TEST(PathTextRead, SmoothCurvesReflectThePreviousControlPoint) {
    ExpectParsed("M0,0 C0,5 5,10 10,10 S20,5 20,0", {{ppMoveTo, 0, 0},
                                                     {ppCurveTo, 0, 5},
                                                     {ppCurveTo, 5, 10},
                                                     {ppCurveTo, 10, 10},
                                                     {ppCurveTo, 15, 10},
                                                     {ppCurveTo, 20, 5},
                                                     {ppCurveTo, 20, 0}});
    ExpectParsed("M0,0 s5,5 10,0",
                 {{ppMoveTo, 0, 0}, {ppCurveTo, 5, 5}, {ppCurveTo, 5, 5}, {ppCurveTo, 10, 0}});
}

TEST(PathTextRead, QuadraticCommands) {
    // Q 30,60 90,0 from the origin is the cubic (20,40) (50,40) (90,0).
    ExpectParsed("M0,0 Q30,60 90,0",
                 {{ppMoveTo, 0, 0}, {ppCurveTo, 20, 40}, {ppCurveTo, 50, 40}, {ppCurveTo, 90, 0}});
    // q is relative to the segment's start for both points.
    ExpectParsed(
        "M10,10 q30,60 90,0",
        {{ppMoveTo, 10, 10}, {ppCurveTo, 30, 50}, {ppCurveTo, 60, 50}, {ppCurveTo, 100, 10}});
    // T after Q mirrors the control point (30,60) about (90,0) to (150,-60); repeated
    // pairs of T keep mirroring; t is relative.
    ExpectParsed("M0,0 Q30,60 90,0 T180,0 t90,0", {{ppMoveTo, 0, 0},
                                                   {ppCurveTo, 20, 40},
                                                   {ppCurveTo, 50, 40},
                                                   {ppCurveTo, 90, 0},
                                                   {ppCurveTo, 130, -40},
                                                   {ppCurveTo, 160, -40},
                                                   {ppCurveTo, 180, 0},
                                                   {ppCurveTo, 200, 40},
                                                   {ppCurveTo, 230, 40},
                                                   {ppCurveTo, 270, 0}});
    // T without a quadratic before it uses the current point as control: a straight cubic.
    ExpectParsed("M0,0 L30,0 T90,0", {{ppMoveTo, 0, 0},
                                      {ppLineTo, 30, 0},
                                      {ppCurveTo, 30, 0},
                                      {ppCurveTo, 50, 0},
                                      {ppCurveTo, 90, 0}});
    // More groups repeat the quadratic.
    TKwPathData two;
    two.SetPathString("M0,0 Q1,1 2,2 3,3 4,4");
    EXPECT_EQ(two.Count(), 7);
}

TEST(PathTextRead, RepeatRulesAndCommandRuns) {
    // ".5" does not continue the M group: the next round repeats M, giving a second move.
    ExpectParsed("M0,0 .5,.5", {{ppMoveTo, 0, 0}, {ppMoveTo, 0.5f, 0.5f}});
    // Two letters in one run: the close takes the start point of a new object.
    ExpectParsed("zM5,5", {{ppClose, 0, 0}, {ppMoveTo, 5, 5}});
    // A comma after an H number ends the parse.
    ExpectParsed("M0,0 H 10, 20", {{ppMoveTo, 0, 0}, {ppLineTo, 10, 0}});
    // A stray character repeats the previous command once, then the parse ends; spaces
    // before it count as progress and buy one more repetition.
    ExpectParsed("M1,1 Z#y L5,5", {{ppMoveTo, 1, 1}, {ppClose, 1, 1}, {ppClose, 1, 1}});
    ExpectParsed("M1,1 Z #y L5,5",
                 {{ppMoveTo, 1, 1}, {ppClose, 1, 1}, {ppClose, 1, 1}, {ppClose, 1, 1}});
    ExpectParsed("", {});
    ExpectParsed("   ", {});
}

TEST(PathTextRead, BadNumbersAbandonOnlyTheirCommand) {
    // "+" ends a number: "1e" does not convert.
    ExpectParsed("M1e+3,5", {});
    // A float overflow is a conversion error, not an infinity.
    ExpectParsed("M1e99,0", {});
    ExpectParsed("M1,1 L1e39,0 L2,2", {{ppMoveTo, 1, 1}, {ppLineTo, 2, 2}});
    // What came before the failure stays; a later command letter runs again.
    ExpectParsed("M1,1 L1.2.3,4 L5,5", {{ppMoveTo, 1, 1}, {ppLineTo, 5, 5}});
    ExpectParsed("M1,1 L2,2 3,x4 L5,5", {{ppMoveTo, 1, 1}, {ppLineTo, 2, 2}});
    // A command letter without numbers at the end adds nothing (no point at the origin).
    ExpectParsed("M1,2 L", {{ppMoveTo, 1, 2}});
    ExpectParsed("M1,2 C3,4 5,6", {{ppMoveTo, 1, 2}});
}

TEST(PathTextRead, OverflowingRelativeCoordinatesAreDropped) {
    ExpectParsed("M3e38,0 l3e38,0 L1,1", {{ppMoveTo, 3e38f, 0}, {ppLineTo, 1, 1}});
    // The failed relative move must not leave an infinite start point for the close.
    ExpectParsed("M3e38,3e38 m3e38,0 z", {{ppMoveTo, 3e38f, 3e38f}, {ppClose, 3e38f, 3e38f}});
    ExpectParsed("M-3e38,0 h-3e38 c3e38,0 3e38,0 3e38,0",
                 {{ppMoveTo, -3e38f, 0}, {ppCurveTo, 0, 0}, {ppCurveTo, 0, 0}, {ppCurveTo, 0, 0}});
    ExpectParsed("M3e38,0 L0,0 L-3e38,0 S0,0 1,1",
                 {{ppMoveTo, 3e38f, 0}, {ppLineTo, 0, 0}, {ppLineTo, -3e38f, 0}});
}

// Hostile texts: none may throw, crash or break the entry invariants.
TEST(PathTextRead, BadInputsKeepThePathWellFormed) {
    const struct {
        const char* Name;
        std::string Text;
    } cases[] = {
        {"only separators", " , ,, "},
        {"only minus signs", "M-------"},
        {"exponent without digits", "M1e,2e"},
        {"letters without numbers", "MLHVCSQTAZmlhvcsqtaz"},
        {"curve cut short", "M0,0 C1,1 2,2"},
        {"arc cut short", "M0,0 A10,10 0 1"},
        {"arc with garbage flags", "M0,0 A10,10 0 x,y 5,5"},
        {"embedded zero byte", std::string("M1,1\0L2,2", 9)},
        {"high bytes", "M1,1 \xff\xfe L2,2"},
        {"huge digit run", "M" + std::string(5000, '9') + ",1"},
        {"tiny numbers", "M1e-50,-1e-46 l1e-45,1e-45"},
        {"curve as first command (fuzzer)", "M 1M10, C0,5 5,10 10,10 S20,50, "},
        {"smooth after close", "M0,0 Z S1,1 2,2 s3e38,3e38 3e38,3e38"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TKwPathData path;
        ChangeCounter counter;
        counter.Attach(path);
        EXPECT_NO_THROW(path.SetPathString(c.Text));
        EXPECT_EQ(counter.Calls, 1);
        ExpectWellFormed(path);
    }
}

TEST(PathTextRead, ReplacesEntriesAndNotifiesOnce) {
    TKwPathData path;
    path.SetFillMode(fmNonZero);
    path.MoveTo({4, 5});
    path.LineTo({6, 6});
    ChangeCounter counter;
    counter.Attach(path);
    path.SetPathString("Z L1,1 2,2 3,3");
    EXPECT_EQ(counter.Calls, 1);
    EXPECT_EQ(path.FillMode(), fmNonZero);
    // The start point survives the parse until the first move.
    ExpectEntries(path, {{ppClose, 4, 5}, {ppLineTo, 1, 1}, {ppLineTo, 2, 2}, {ppLineTo, 3, 3}});

    path.SetPathString("M1e+3,5");
    EXPECT_EQ(counter.Calls, 2);
    EXPECT_EQ(path.Count(), 0);
}

TEST(PathTextRead, AppendTextAddsAfterExistingEntries) {
    TKwPathData path;
    ChangeCounter counter;
    counter.Attach(path);
    path.MoveTo({5, 5});
    path.Append(std::string_view("L1,1 Z"));
    EXPECT_EQ(counter.Calls, 2);
    // The text was read on its own: its close uses that parse's start point (0,0).
    ExpectEntries(path, {{ppMoveTo, 5, 5}, {ppLineTo, 1, 1}, {ppClose, 0, 0}});
}

TEST(PathTextWrite, FormatOfEveryEntryKind) {
    TKwPathData path;
    EXPECT_EQ(path.GetPathString(), "");
    path.MoveTo({10, 20});
    path.LineTo({30, 20});
    path.CurveTo({40, 20}, {50, 30}, {50, 40});
    path.ClosePath();
    const std::string text = path.GetPathString();
    EXPECT_EQ(text, "M10,20 L30,20 C40,20 50,30 50,40 Z ");

    TKwPathData back;
    back.SetPathString(text);
    ExpectEntries(back, {{ppMoveTo, 10, 20},
                         {ppLineTo, 30, 20},
                         {ppCurveTo, 40, 20},
                         {ppCurveTo, 50, 30},
                         {ppCurveTo, 50, 40},
                         {ppClose, 10, 20}});
}

TEST(PathTextWrite, NumbersUseTheGeneralFormat) {
    TKwPathData path;
    path.MoveTo({0.1f, -1.5f});
    path.LineTo({1e20f, 1e-6f});
    path.LineTo({-0.0f, 123456789.0f});
    EXPECT_EQ(path.GetPathString(),
              "M0.100000001490116,-1.5 L1.00000002004088E20,9.99999997475243E-7 L0,123456792 ");
}

TEST(PathTextWrite, WrittenTextReadsBackToTheSameEntries) {
    const float values[] = {
        0.1f,        -2.5f,       1e-5f,   9.99999e-6f,
        FLT_MAX,     -FLT_MAX,    FLT_MIN, std::numeric_limits<float>::denorm_min(),
        16777217.0f, 3.14159265f, 1e15f,   1e16f};
    TKwPathData path;
    path.MoveTo({values[0], values[1]});
    for (const float x : values)
        for (const float y : values) path.LineTo({x, y});
    path.CurveTo({values[2], values[3]}, {values[4], values[5]}, {values[6], values[7]});
    path.ClosePath();

    TKwPathData back;
    back.SetPathString(path.GetPathString());
    ASSERT_EQ(back.Count(), path.Count());
    for (int32_t i = 0; i < path.Count(); ++i) {
        const TKwPathPoint a = path.GetPoint(i), b = back.GetPoint(i);
        EXPECT_EQ(a.Kind, b.Kind) << i;
        EXPECT_EQ(a.Point.X(), b.Point.X()) << i;
        EXPECT_EQ(a.Point.Y(), b.Point.Y()) << i;
    }
    EXPECT_EQ(back.GetPathString(), path.GetPathString());
}

TEST(PathTextRoundTrip, TextToPathToTextIsStable) {
    const char* texts[] = {
        "M 10 20 L 30 20 40 30 z",
        "m10-20 l5,5 h3 v-2 z m1,1 c1,1 2,2 3,3 s4,4 5,5",
        "M0,0 Q30,60 90,0 T180,0",
        "M0,0 .5,.5 zM5,5",
    };
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        TKwPathData first;
        first.SetPathString(t);
        const std::string written = first.GetPathString();
        TKwPathData second;
        second.SetPathString(written);
        EXPECT_EQ(second.GetPathString(), written);
        EXPECT_EQ(second.Count(), first.Count());
    }
}

} // namespace
} // namespace kw
