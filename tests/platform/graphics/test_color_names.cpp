// SPDX-License-Identifier: MIT
// Colour names: the "$" hexadecimal form and the round trip of CanvasColorToString
// through StringToCanvasColor.
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/graphics/ColorIdents.h>
#include <kwgfx/platform/graphics/Colors.h>
#include <kwgfx/platform/graphics/KwColorNames.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace kw;

TEST(ColorNames, NamedColoursUseTheirIdentifiers) {
    EXPECT_EQ(CanvasColorToString(platform::clBlack), "clBlack");
    EXPECT_EQ(CanvasColorToString(platform::clWhite), "clWhite");
    EXPECT_EQ(CanvasColorToString(platform::clMoneyGreen), "clMoneyGreen");
    EXPECT_EQ(CanvasColorToString(platform::clBtnFace), "clBtnFace");
    EXPECT_EQ(CanvasColorToString(platform::clMenuBar), "clMenuBar");
    EXPECT_EQ(CanvasColorToString(platform::clNone), "clNone");
    EXPECT_EQ(CanvasColorToString(platform::clDefault), "clDefault");
    EXPECT_EQ(StringToCanvasColor("clRed"), platform::clRed);
    EXPECT_EQ(StringToCanvasColor("CLBTNFACE"), platform::clBtnFace);
    EXPECT_EQ(StringToCanvasColor("clskyblue"), platform::clSkyBlue);
}

TEST(ColorNames, OtherColoursUseEightHexDigits) {
    EXPECT_EQ(CanvasColorToString(0x00123456), "$00123456");
    EXPECT_EQ(CanvasColorToString(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(CanvasColorToString(1), "$00000001");
    EXPECT_EQ(CanvasColorToString(-1), "$FFFFFFFF");
    EXPECT_EQ(CanvasColorToString(platform::SystemColor(25)), "$FF000019"); // unnamed index
    EXPECT_EQ(StringToCanvasColor("$FF000019"), platform::SystemColor(25));
    EXPECT_EQ(StringToCanvasColor("$00abcdef"), 0x00ABCDEF);
    EXPECT_EQ(StringToCanvasColor("255"), 255);
    EXPECT_EQ(StringToCanvasColor("-1"), -1);
    EXPECT_EQ(StringToCanvasColor("0x80"), 0x80);
}

TEST(ColorNames, EveryWrittenTextReadsBack) {
    for (const platform::TIdentMapEntry& e : platform::ColorIdentTable())
        EXPECT_EQ(StringToCanvasColor(CanvasColorToString(e.Value)), e.Value) << e.Name;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> anyColor(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 2000; ++i) {
        const platform::TColor c = i < 256 ? platform::SystemColor(i) : anyColor(rng);
        const std::string text = CanvasColorToString(c);
        EXPECT_EQ(StringToCanvasColor(text), c) << text;
    }
}

TEST(ColorNames, BadTextRaisesConvertErrorNamingIt) {
    for (const char* text : {"clNoSuchColour", "", "$", "$1FFFFFFFF", "red", "12.5", "#FF0000"}) {
        try {
            StringToCanvasColor(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const platform::EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("'" + std::string(text) + "'"), std::string::npos)
                << e.what();
        }
    }
}

TEST(ColorNames, IdentLookupsReportMisses) {
    std::string ident = "unchanged";
    EXPECT_TRUE(CanvasColorToIdent(platform::clTeal, ident));
    EXPECT_EQ(ident, "clTeal");
    ident = "unchanged";
    EXPECT_FALSE(CanvasColorToIdent(0x00123456, ident));
    EXPECT_EQ(ident, "unchanged");

    int32_t color = 42;
    EXPECT_TRUE(IdentToCanvasColor("clInfoBk", color));
    EXPECT_EQ(color, platform::clInfoBk);
    color = 42;
    EXPECT_FALSE(IdentToCanvasColor("$000000FF", color)); // a number is not an identifier
    EXPECT_FALSE(IdentToCanvasColor("clRed ", color));
    EXPECT_EQ(color, 42);
}
