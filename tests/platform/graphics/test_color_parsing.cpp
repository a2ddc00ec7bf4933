// SPDX-License-Identifier: MIT
// Reading colours people write: every accepted form against its colour value, the forms
// refused (the 0x trap among them), and the round trip with the stored text form.
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/ColorIdents.h"
#include "kwgfx/platform/graphics/ColorParsing.h"
#include "kwgfx/platform/graphics/Colors.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

using namespace kw::platform;

namespace {

// The colour layout written out by hand, independent of RGB().
static_assert(RGB(0x1E, 0x88, 0xE5) == 0x00E5881E);
static_assert(RGB(0xFF, 0, 0) == clRed && RGB(0, 0, 0xFF) == clBlue && RGB(0, 0xFF, 0) == clLime);

TEST(ColorParsing, EveryAcceptedFormGivesItsColourValue) {
    const struct {
        std::string_view Text;
        TColor Expected;
    } cases[] = {
        {"clRed", clRed},
        {"red", clRed},
        {"RED", clRed},
        {"CLRED", clRed},
        {"BtnFace", clBtnFace},
        {"clBtnFace", clBtnFace},
        {"moneygreen", clMoneyGreen},
        {"none", clNone},
        {"#1E88E5", 0x00E5881E},
        {"#1e88e5", 0x00E5881E},
        {"#FF0000", clRed},
        {"#000", clBlack},
        {"#18E", 0x00EE8811}, // each digit doubled: 11 88 EE
        {"#fff", clWhite},
        {"$00E5881E", 0x00E5881E},
        {"$e5881e", 0x00E5881E},
        {"$FF00000F", clBtnFace},
        {"$1FFFFFFF", clNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Text));
        EXPECT_EQ(ParseColor(c.Text), c.Expected);
        TColor color = 42;
        EXPECT_TRUE(TryParseColor(c.Text, color));
        EXPECT_EQ(color, c.Expected);
    }
}

TEST(ColorParsing, RefusedFormsThrowNamingTheTextAndLeaveTheTryFormUntouched) {
    const std::string_view refused[] = {
        "",         "#",          "#12345",   "#1234567", "#GG0000",    "# 12345", "#1E88E5 ",
        "0x1E88E5", "1E88E5",     "16711680", "$",        "$123456789", "$12G",    "clclRed",
        "cl",       "notacolour", " red",     "red ",     "-1",
    };
    for (std::string_view text : refused) {
        SCOPED_TRACE(std::string(text));
        TColor color = 42;
        EXPECT_FALSE(TryParseColor(text, color));
        EXPECT_EQ(color, 42);
        try {
            ParseColor(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_NE(std::string(e.what()).find("'" + std::string(text) + "'"), std::string::npos)
                << e.what();
        }
    }
    // The stored-form reader still takes numbers: it is the one that reads the 0x form.
    EXPECT_EQ(StringToColor("0x1E88E5"), 0x001E88E5);
}

TEST(ColorParsing, ReadsBackEveryTextTheStoredFormWrites) {
    for (const TIdentMapEntry& e : ColorIdentTable()) {
        SCOPED_TRACE(std::string(e.Name));
        EXPECT_EQ(ParseColor(ColorToString(e.Value)), e.Value);
        // And the name without its "cl".
        EXPECT_EQ(ParseColor(e.Name.substr(2)), e.Value);
    }
    // Colours without a name go through "$": every channel value in every position.
    for (int v = 0; v < 256; v += 7)
        for (TColor c : {RGB(uint8_t(v), 0x12, 0x34), RGB(0x12, uint8_t(v), 0x34),
                         RGB(0x12, 0x34, uint8_t(v))}) {
            EXPECT_EQ(ParseColor(ColorToString(c)), c);
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF,
                          (c >> 16) & 0xFF);
            EXPECT_EQ(ParseColor(hex), c) << hex;
        }
}

} // namespace
