// SPDX-License-Identifier: MIT
// The check of a path's entry guarantees: which fault it finds first, where, and why.

#include <kwgfx/path/KwPathGuarantees.h>

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace kw {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TKwPathPoint E(int Kind, float X = 0, float Y = 0) {
    return TKwPathPoint(static_cast<TKwPathPointKind>(Kind), TKwPoint(X, Y));
}

const TKwPathPoint M = E(ppMoveTo), L = E(ppLineTo), C = E(ppCurveTo), Z = E(ppClose);

TEST(PathGuarantees, FirstFaultItsIndexAndReason) {
    using enum TKwPathFault;
    const struct {
        const char* Name;
        std::vector<TKwPathPoint> Entries;
        TKwPathFault Fault;
        int64_t Index;
        std::string Reason;
    } cases[] = {
        {"empty", {}, pfNone, -1, ""},
        {"every kind", {M, L, C, C, C, Z}, pfNone, -1, ""},
        {"curves after a close and back to back", {M, Z, C, C, C, C, C, C}, pfNone, -1, ""},
        {"extreme finite values",
         {E(ppMoveTo, std::numeric_limits<float>::max(), -0.0f),
          E(ppLineTo, std::numeric_limits<float>::denorm_min(),
            -std::numeric_limits<float>::max())},
         pfNone,
         -1,
         ""},
        {"kind 4", {M, E(4)}, pfUnknownKind, 1, "kind 4 is not a path point kind"},
        {"kind 255", {E(255)}, pfUnknownKind, 0, "kind 255 is not a path point kind"},
        {"NaN X", {M, E(ppLineTo, kNaN, 0)}, pfNotFinite, 1, "coordinate not finite"},
        {"infinite Y in a close",
         {M, E(ppClose, 0, -kInf)},
         pfNotFinite,
         1,
         "coordinate not finite"},
        {"curve first", {C, C, C}, pfCurveFirst, 0, "a curve cannot start the path"},
        {"two curve entries at the end",
         {M, C, C},
         pfCurveIncomplete,
         1,
         "curve entries not in a complete group of three"},
        {"group broken by a line",
         {M, C, C, L},
         pfCurveIncomplete,
         1,
         "curve entries not in a complete group of three"},
        {"four curve entries",
         {M, C, C, C, C},
         pfCurveIncomplete,
         4,
         "curve entries not in a complete group of three"},
        // Faults of single entries are reported ahead of grouping faults at lower indices,
        // and the kind ahead of the coordinates of the same entry.
        {"bad point after a curve first",
         {C, C, C, E(ppLineTo, kInf, 0)},
         pfNotFinite,
         3,
         "coordinate not finite"},
        {"bad point after a broken group",
         {M, C, L, E(9)},
         pfUnknownKind,
         3,
         "kind 9 is not a path point kind"},
        {"lowest single-entry fault wins",
         {M, E(ppLineTo, kNaN, kNaN), E(7)},
         pfNotFinite,
         1,
         "coordinate not finite"},
        {"unknown kind with a NaN point",
         {M, E(5, kNaN, 0)},
         pfUnknownKind,
         1,
         "kind 5 is not a path point kind"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TKwPathCheck check = KwCheckPathGuarantees(c.Entries);
        EXPECT_EQ(check.Fault, c.Fault);
        EXPECT_EQ(check.Index, c.Index);
        EXPECT_EQ(check.Reason, c.Reason);
        EXPECT_EQ(check.Ok(), c.Fault == pfNone);
    }
}

} // namespace
} // namespace kw
