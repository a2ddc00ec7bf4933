#pragma once
// Helpers shared by the path tests: entry expectations and a notification counter.

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

} // namespace kw::test
