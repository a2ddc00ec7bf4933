// SPDX-License-Identifier: MIT
// The pseudo-random generator: repeatable from a seed, every value inside the range.
#include <kwgfx/platform/base/Random.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace kw::platform;

TEST(RandomGenerator, RepeatableFromASeedAndInsideTheRange) {
    SetRandSeed(42);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i) first.push_back(Random(1000));
    SetRandSeed(42);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(Random(1000), first[size_t(i)]);

    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        seen.insert(r);
        const double f = RandomFloat();
        ASSERT_GE(f, 0.0);
        ASSERT_LT(f, 1.0);
    }
    EXPECT_EQ(seen.size(), 7u); // every value turns up
    for (int i = 0; i < 100; ++i) ASSERT_EQ(Random(1), 0);
}
