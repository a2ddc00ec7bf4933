// SPDX-License-Identifier: MIT
// The load counter of a unit: each start-up and shutdown body runs once however often the
// unit is loaded and unloaded.
#include <kwgfx/platform/base/KwUnitLifecycle.h>

#include <gtest/gtest.h>

using namespace kw;

namespace {

int gStartUps = 0;
int gShutDowns = 0;
void CountStartUp() {
    ++gStartUps;
}
void CountShutDown() {
    ++gShutDowns;
}

class UnitLifecycle : public ::testing::Test {
protected:
    void SetUp() override { gStartUps = gShutDowns = 0; }
    TKwUnitLifecycle Unit{CountStartUp, CountShutDown};
};

} // namespace

TEST_F(UnitLifecycle, RepeatedLoadsAndUnloadsRunEachBodyOnce) {
    EXPECT_TRUE(Unit.StartUp());
    EXPECT_FALSE(Unit.StartUp());
    EXPECT_FALSE(Unit.StartUp());
    EXPECT_EQ(gStartUps, 1);
    EXPECT_EQ(Unit.Counter(), -3);

    EXPECT_FALSE(Unit.ShutDown());
    EXPECT_FALSE(Unit.ShutDown());
    EXPECT_EQ(gShutDowns, 0);
    EXPECT_TRUE(Unit.ShutDown()); // the last unload
    EXPECT_EQ(gShutDowns, 1);
    EXPECT_EQ(gStartUps, 1);
    EXPECT_EQ(Unit.Counter(), 0);
}

TEST_F(UnitLifecycle, ALoadAfterTheLastUnloadStartsAgain) {
    Unit.StartUp();
    Unit.ShutDown();
    EXPECT_TRUE(Unit.StartUp());
    EXPECT_TRUE(Unit.ShutDown());
    EXPECT_EQ(gStartUps, 2);
    EXPECT_EQ(gShutDowns, 2);
}

TEST_F(UnitLifecycle, AnUnbalancedUnloadRunsNoShutdown) {
    EXPECT_FALSE(Unit.ShutDown());
    EXPECT_EQ(gShutDowns, 0);
    EXPECT_EQ(Unit.Counter(), 1);
}
