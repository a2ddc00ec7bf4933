// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the path tests: entry expectations, a notification counter and a
// square figure.

#include "kwgfx/path/KwPathData.h"

#include <gtest/gtest.h>

#include <vector>

namespace kw::test {

struct ExpectedEntry {
    TKwPathPointKind Kind;
    float X;
    float Y;
};

// Exact (bitwise-value) comparison of every entry's kind and coordinates.
inline void ExpectEntries(const TKwPathData& Path, const std::vector<ExpectedEntry>& Expected) {
    ASSERT_EQ(Path.Count(), static_cast<int32_t>(Expected.size()));
    for (size_t i = 0; i < Expected.size(); ++i) {
        const TKwPathPoint e = Path.GetPoint(static_cast<int32_t>(i));
        const TKwPoint p = e.Point;
        EXPECT_EQ(e.Kind, Expected[i].Kind) << "entry " << i;
        EXPECT_EQ(p.X, Expected[i].X) << "entry " << i;
        EXPECT_EQ(p.Y, Expected[i].Y) << "entry " << i;
    }
}

// Counts OnChanged calls and remembers the sender.
struct ChangeCounter {
    int Calls = 0;
    platform::TObject* LastSender = nullptr;
    void Attach(TKwPathData& Path) {
        Path.SetOnChanged([this](platform::TObject* Sender) {
            ++Calls;
            LastSender = Sender;
        });
    }
};

// A closed square figure with its top left corner at (X, Y).
inline void AddSquare(TKwPathData& Path, float X, float Y, float Size) {
    Path.MoveTo({X, Y});
    Path.LineTo({X + Size, Y});
    Path.LineTo({X + Size, Y + Size});
    Path.LineTo({X, Y + Size});
    Path.ClosePath();
}

} // namespace kw::test
