// SPDX-License-Identifier: MIT
// The package loader: extra loads and unloads of the package, balanced, leave the units
// it starts as they were.
#include <kwgfx/KwVclCommon.h>
#include <kwgfx/geometry/KwPointText.h>

#include <gtest/gtest.h>

using namespace kw;

TEST(KwVclCommon, BalancedExtraLoadsChangeNothing) {
    EXPECT_FALSE(KwGraphicsStartUp()); // already started by the loaders
    KwVclCommonLoad();
    KwVclCommonUnload();
    EXPECT_FALSE(KwGraphicsShutDown()); // the loaders still hold the unit
    EXPECT_TRUE(KwGraphicsIsStarted());
    EXPECT_EQ(USFormatSettings.DecimalSeparator, '.');
    EXPECT_EQ(KwPointToString({0.5f, 2}), "(0.5,2)");
}
