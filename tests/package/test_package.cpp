// Start-up and shutdown: the load counter of a unit, and the package loader that fills
// USFormatSettings before any static object of a including translation unit is built.
#include "../geometry/GeometryTestSupport.h"

#include <kwgfx/KwVclCommon.h>
#include <kwgfx/platform/base/KwUnitLifecycle.h>

#include <string>

using namespace kw;

namespace {

// Built during static initialisation of this translation unit: the package loader of the
// header must already have run, or the text would come out with an empty separator.
const std::string gTextAtStaticInit = KwPointToString({3, -1.5f});
const bool gStartedAtStaticInit = KwGraphicsIsStarted();

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

TEST(KwGraphicsUnit, StartedBeforeStaticObjectsOfIncludingUnits) {
    EXPECT_TRUE(gStartedAtStaticInit);
    EXPECT_EQ(gTextAtStaticInit, "(3,-1.5)");
}

TEST(KwGraphicsUnit, USFormatSettingsIsTheUsEnglishFormat) {
    ASSERT_TRUE(KwGraphicsIsStarted());
    EXPECT_EQ(USFormatSettings.DecimalSeparator, '.');
    EXPECT_EQ(USFormatSettings.ThousandSeparator, ',');
}

TEST(KwGraphicsUnit, BalancedExtraLoadsChangeNothing) {
    EXPECT_FALSE(KwGraphicsStartUp()); // already started by the loaders
    KwVclCommonLoad();
    KwVclCommonUnload();
    EXPECT_FALSE(KwGraphicsShutDown()); // the loaders still hold the unit
    EXPECT_TRUE(KwGraphicsIsStarted());
    EXPECT_EQ(USFormatSettings.DecimalSeparator, '.');
    EXPECT_EQ(KwPointToString({0.5f, 2}), "(0.5,2)");
}
