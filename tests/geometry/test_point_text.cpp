// SPDX-License-Identifier: MIT
// The text form of a point: the exact general float format, the tolerant but strict
// reader, and the bit-exact round trip under a locale with a decimal comma.
#include "GeometryTestSupport.h"

#include <kwgfx/geometry/KwConversions.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <random>
#include <string>

using namespace kw;
using kw::test::SamePoint;

namespace {

// Switches the C and C++ global locales for the lifetime of the object and restores them.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* Name) : FOldC(std::setlocale(LC_ALL, nullptr)) {
        FActive = std::setlocale(LC_ALL, Name) != nullptr;
        if (!FActive) return;
        try {
            FOldCpp = std::locale::global(std::locale(Name));
        } catch (const std::runtime_error&) {
            std::setlocale(LC_ALL, FOldC.c_str());
            FActive = false;
        }
    }
    ~ScopedLocale() {
        if (!FActive) return;
        std::locale::global(FOldCpp);
        std::setlocale(LC_ALL, FOldC.c_str());
    }
    bool Active() const { return FActive; }

private:
    std::string FOldC;
    std::locale FOldCpp;
    bool FActive = false;
};

constexpr const char* kCommaLocale = "de_DE.UTF-8";

#define REQUIRE_COMMA_LOCALE(guard)                                                                \
    if (!(guard).Active())                                                                         \
    GTEST_SKIP() << "locale " << kCommaLocale                                                      \
                 << " is not available (run scripts/install-deps.sh as root to generate it)"

} // namespace

TEST(KwPointToString, GeneralFloatFormat) {
    EXPECT_EQ(KwPointToString({3, -1.5f}), "(3,-1.5)");
    EXPECT_EQ(KwPointToString({0, 0}), "(0,0)");
    EXPECT_EQ(KwPointToString({0.1f, -123456.789f}), "(0.100000001490116,-123456.7890625)");
    // Fixed notation from 0.00001 upwards and up to 15 integer digits, else scientific
    // with no "+" and no leading zeros in the exponent.
    EXPECT_EQ(KwPointToString({1e-5f, std::nextafter(1e-5f, 1.0f)}),
              "(9.99999974737875E-6,0.0000100000006568735)");
    EXPECT_EQ(KwPointToString({1e15f, 1e16f}), "(999999986991104,1.00000002725642E16)");
    EXPECT_EQ(KwPointToString({1e-6f, 1e20f}), "(9.99999997475243E-7,1.00000002004088E20)");
    EXPECT_EQ(KwPointToString(
                  {std::numeric_limits<float>::max(), -std::numeric_limits<float>::denorm_min()}),
              "(3.40282346638529E38,-1.40129846432482E-45)");
    EXPECT_EQ(KwPointToString({Epsilon, -0.0f}), "(9.99994610111476E-41,0)");
}

TEST(StringToKwPoint, DocumentedCases) {
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1.5,2.5)"), {1.5f, 2.5f}));
    EXPECT_TRUE(SamePoint(StringToKwPoint("( 1.5 , -2e1 )"), {1.5f, -20}));
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1,2)junk"), {1, 2}));
    EXPECT_TRUE(SamePoint(StringToKwPoint("1.5,2.5"), {0, 0}));
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1,5;2)"), {0, 0}));
    EXPECT_TRUE(SamePoint(StringToKwPoint(""), {0, 0}));
}

TEST(StringToKwPoint, TokensAreTakenFromTheFront) {
    EXPECT_TRUE(SamePoint(StringToKwPoint("P(1,2)"), {1, 2}));  // leading text discarded
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1,2"), {1, 2}));    // no closing parenthesis
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1,2,3)"), {1, 2})); // rest ignored
    EXPECT_TRUE(SamePoint(StringToKwPoint(")1,2("), {1, 2}));   // any delimiter will do
    EXPECT_TRUE(SamePoint(StringToKwPoint("(+1.5E+2,.5)"), {150, 0.5f}));
    EXPECT_TRUE(SamePoint(StringToKwPoint("(7.,-3)"), {7, -3}));
    // A decimal comma splits the number: "1" and "5" become X and Y.
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1,5,2)"), {1, 5}));
}

TEST(StringToKwPoint, AnyBadCoordinateGivesTheOrigin) {
    // Y is bad although X converted: both coordinates are 0.
    const char* bad[] = {"(1)",     "(1,)",      "(,2)",     "(1,2x)",    "(1 2,3)",
                         "(1,2e)",  "(1,-)",     "(1,e5)",   "(1,0x10)",  "(1,$10)",
                         "(1,nan)", "(inf,1)",   "(1,1e39)", "(1,-4e38)", "(1,1e400)",
                         "(\t1,2)", "(1,2.5.1)", "((1,2))",  "(1;2)"};
    for (const char* text : bad)
        EXPECT_TRUE(SamePoint(StringToKwPoint(text), {0, 0})) << "text: " << text;
}

TEST(StringToKwPoint, ExtremesOfTheFloatRange) {
    // The largest float is accepted, anything rounding beyond it is not; tiny values
    // underflow to the nearest subnormal or to zero.
    EXPECT_TRUE(SamePoint(StringToKwPoint("(3.40282346638529E38,1E-50)"),
                          {std::numeric_limits<float>::max(), 0}));
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1.40129846432482E-45,0)"),
                          {std::numeric_limits<float>::denorm_min(), 0}));
    EXPECT_TRUE(SamePoint(StringToKwPoint("(1,3.5E38)"), {0, 0}));
}

TEST(PointText, RoundTripIsBitExactUnderADecimalCommaLocale) {
    ScopedLocale locale(kCommaLocale);
    REQUIRE_COMMA_LOCALE(locale);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    ASSERT_EQ(std::to_string(1.5), "1,500000"); // the locale really is in force

    EXPECT_EQ(KwPointToString({3, -1.5f}), "(3,-1.5)");

    std::mt19937 rng(20240601);
    std::uniform_int_distribution<uint32_t> anyBits;
    std::uniform_int_distribution<uint32_t> subnormalBits(1, 0x007FFFFF);
    auto roundTrip = [](float X, float Y) {
        const TKwPoint p{X, Y};
        const std::string text = KwPointToString(p);
        const TKwPoint q = StringToKwPoint(text);
        return std::bit_cast<uint32_t>(q.X) == std::bit_cast<uint32_t>(X) &&
                       std::bit_cast<uint32_t>(q.Y) == std::bit_cast<uint32_t>(Y)
                   ? ::testing::AssertionSuccess()
                   : ::testing::AssertionFailure()
                         << text << " read back as " << KwPointToString(q);
    };
    auto finite = [](uint32_t Bits) {
        const float f = std::bit_cast<float>(Bits);
        return std::isfinite(f) && Bits != 0x80000000u; // negative zero aside
    };

    int checked = 0;
    while (checked < 4000) {
        uint32_t x = anyBits(rng), y = anyBits(rng);
        if (checked % 8 == 0) x = subnormalBits(rng) | (y & 0x80000000u);
        if (!finite(x) || !finite(y)) continue;
        ASSERT_TRUE(roundTrip(std::bit_cast<float>(x), std::bit_cast<float>(y)));
        ++checked;
    }
    constexpr auto lim = std::numeric_limits<float>();
    const float special[] = {0.0f,
                             1.0f,
                             0.1f,
                             1e-5f,
                             lim.min(),
                             lim.max(),
                             lim.denorm_min(),
                             Epsilon,
                             cPI,
                             65535.0f,
                             16777217.0f,
                             1e15f,
                             std::nextafter(lim.min(), 0.0f),
                             std::nextafter(1e-5f, 1.0f),
                             std::nextafter(lim.max(), 0.0f)};
    for (float f : special) {
        EXPECT_TRUE(roundTrip(f, -f == 0 ? f : -f));
        EXPECT_TRUE(roundTrip(-f == 0 ? f : -f, f));
    }
}
