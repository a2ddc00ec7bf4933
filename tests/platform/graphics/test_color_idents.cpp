// SPDX-License-Identifier: MIT
// The colour identifier table: every entry named once, with its own value.
#include <kwgfx/platform/graphics/ColorIdents.h>
#include <kwgfx/platform/graphics/Colors.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace kw;
using namespace kw::platform;

TEST(ColorIdentTable, EveryEntryIsNamedOnceWithItsOwnValue) {
    std::set<std::string> names;
    std::set<TColor> values;
    for (const platform::TIdentMapEntry& e : platform::ColorIdentTable()) {
        EXPECT_EQ(e.Name.substr(0, 2), "cl") << e.Name;
        EXPECT_TRUE(names.insert(std::string(e.Name)).second) << "duplicate name " << e.Name;
        EXPECT_TRUE(values.insert(e.Value).second) << "duplicate value of " << e.Name;
    }
    // 16 standard colours, 4 extra, 30 system colours, clNone and clDefault.
    EXPECT_EQ(names.size(), 52u);
}
