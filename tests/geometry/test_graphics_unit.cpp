// SPDX-License-Identifier: MIT
// The start-up of the unit KwGraphics: it runs before the static objects of a translation
// unit that includes a geometry header, and fills USFormatSettings.
#include <kwgfx/geometry/KwGraphicsUnit.h>
#include <kwgfx/geometry/KwPointText.h>

#include <gtest/gtest.h>

#include <string>

using namespace kw;

namespace {

// Built during static initialisation of this translation unit: the unit loader of the
// geometry headers must already have run, or the text would come out with an empty
// separator.
const std::string gTextAtStaticInit = KwPointToString({3, -1.5f});
const bool gStartedAtStaticInit = KwGraphicsIsStarted();

} // namespace

TEST(KwGraphicsUnit, StartedBeforeStaticObjectsOfIncludingUnits) {
    EXPECT_TRUE(gStartedAtStaticInit);
    EXPECT_EQ(gTextAtStaticInit, "(3,-1.5)");
}

TEST(KwGraphicsUnit, USFormatSettingsIsTheUsEnglishFormat) {
    ASSERT_TRUE(KwGraphicsIsStarted());
    EXPECT_EQ(USFormatSettings.DecimalSeparator, '.');
    EXPECT_EQ(USFormatSettings.ThousandSeparator, ',');
}
