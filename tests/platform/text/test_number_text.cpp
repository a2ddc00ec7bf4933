// SPDX-License-Identifier: MIT
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/text/NumberText.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using namespace kw::platform;
TEST(NumberText, GeneralFormatChoosesFixedOrScientific) {
    EXPECT_EQ(FloatToStr(0.0L), "0");
    EXPECT_EQ(FloatToStr(3.0L), "3");
    EXPECT_EQ(FloatToStr(-1.5L), "-1.5");
    EXPECT_EQ(FloatToStr(static_cast<long double>(0.1f)), "0.100000001490116");
    EXPECT_EQ(FloatToStr(1e-6L), "1E-6");
    EXPECT_EQ(FloatToStr(1e20L), "1E20");
    EXPECT_EQ(FloatToStr(1.5e20L), "1.5E20");
    EXPECT_EQ(FloatToStr(0.00001L), "0.00001");
    EXPECT_EQ(FloatToStr(123456789012345.0L), "123456789012345");
    EXPECT_EQ(FloatToStr(1234567890123456.0L), "1.23456789012346E15");
    EXPECT_EQ(FloatToStr(100.0L), "100");
    EXPECT_EQ(FloatToStr(-2.5e-7L), "-2.5E-7");
    EXPECT_EQ(FloatToStr(1.25L, TFormatSettings{',', '.'}), "1,25");
}

TEST(NumberText, ReadsDecimalNumbersOnly) {
    double v = 0;
    EXPECT_TRUE(TryStrToFloat(" -2e1 ", v));
    EXPECT_EQ(v, -20);
    EXPECT_TRUE(TryStrToFloat("+.5", v));
    EXPECT_EQ(v, 0.5);
    EXPECT_TRUE(TryStrToFloat("5.", v));
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(TryStrToFloat("1e-400", v));
    EXPECT_EQ(v, 0);
    for (const char* bad : {"", " ", ".", "-", "1e", "1e+", "1.5.2", "1,5", "inf", "nan", "0x10",
                            "1e400", "5;", "1 2", "e5"}) {
        EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
    }
    EXPECT_TRUE(TryStrToFloat("1,5", v, TFormatSettings{',', '.'}));
    EXPECT_EQ(v, 1.5);
    EXPECT_THROW(StrToFloat("abc"), EConvertError);
}

TEST(NumberText, SingleRefusesOverflowButRoundsToMax) {
    float f = 0;
    EXPECT_FALSE(TryStrToSingle("1e99", f));
    EXPECT_FALSE(TryStrToSingle("-3.5e38", f));
    EXPECT_TRUE(TryStrToSingle("3.4028235e38", f));
    EXPECT_EQ(f, FLT_MAX);
    EXPECT_TRUE(TryStrToSingle("1e-50", f));
    EXPECT_EQ(f, 0.0f);
    EXPECT_THROW(StrToSingle("1e39"), EConvertError);
}

TEST(NumberText, IntegersDecimalAndHex) {
    int v = 0;
    EXPECT_TRUE(TryStrToInt("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_FALSE(TryStrToInt("2147483648", v));
    EXPECT_TRUE(TryStrToInt("$FF000005", v));
    EXPECT_EQ(static_cast<uint32_t>(v), 0xFF000005u);
    EXPECT_TRUE(TryStrToInt("0x1F", v));
    EXPECT_EQ(v, 31);
    EXPECT_FALSE(TryStrToInt("$", v));
    EXPECT_FALSE(TryStrToInt("12a", v));
    EXPECT_THROW(StrToInt("x"), EConvertError);
}

// Values a double holds exactly are formatted through the double conversion; the text
// must not depend on which conversion ran.
TEST(NumberText, DoubleAndExtendedValuesFormatAlike) {
    EXPECT_EQ(FloatToStr(static_cast<long double>(0.1)), "0.1");
    EXPECT_EQ(FloatToStr(0.1L), "0.1");
    EXPECT_EQ(FloatToStr(static_cast<long double>(FLT_MAX)), "3.40282346638529E38");
    EXPECT_EQ(FloatToStr(static_cast<long double>(FLT_TRUE_MIN)), "1.40129846432482E-45");
    EXPECT_EQ(FloatToStr(static_cast<long double>(2.0 / 3.0)), "0.666666666666667");
    EXPECT_EQ(FloatToStr(2.0L / 3.0L), "0.666666666666667");
    EXPECT_EQ(FloatToStr(static_cast<long double>(-9.999999999999999e14)), "-1E15");
}

// Plain text takes a quicker road than text with blanks or a plus sign; both agree.
TEST(NumberText, PlainAndDecoratedNumbersReadAlike) {
    double plain = 0, decorated = 0;
    for (const char* t : {"1.25", "-0.5", ".5", "5.", "1e-3", "-2.5E+7", "123456789e-30"}) {
        SCOPED_TRACE(t);
        ASSERT_TRUE(TryStrToFloat(t, plain));
        const std::string spaced = std::string(" ") + t + " ";
        ASSERT_TRUE(TryStrToFloat(spaced, decorated));
        EXPECT_EQ(plain, decorated);
    }
    for (const char* bad : {"-inf", "infinity", "-nan", "1e", "--1", "1-", ".e5", "1e5.5"})
        EXPECT_FALSE(TryStrToFloat(bad, plain)) << bad;
    EXPECT_TRUE(TryStrToFloat("1e-400", plain));
    EXPECT_EQ(plain, 0.0);
}
