// SPDX-License-Identifier: MIT
// The strict SVG path reader on its own, through a sink that records what it is told.

#include <kwgfx/path/KwSvgPathParser.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

using namespace kw;

namespace {

// Writes each reported command as a letter and its numbers, shortest float text.
class TRecordingSink : public IKwSvgPathSink {
public:
    std::string Log;

    void MoveTo(const TKwPoint& P) override { Add("M", {P.X, P.Y}); }
    void LineTo(const TKwPoint& P) override { Add("L", {P.X, P.Y}); }
    void CurveTo(const TKwPoint& A, const TKwPoint& B, const TKwPoint& E) override {
        Add("C", {A.X, A.Y, B.X, B.Y, E.X, E.Y});
    }
    void ArcTo(const TKwPoint& S, const TKwPoint& R, float Rotation, bool Large, bool Sweep,
               const TKwPoint& E) override {
        Add("A", {S.X, S.Y, R.X, R.Y, Rotation, Large ? 1.f : 0.f, Sweep ? 1.f : 0.f, E.X, E.Y});
    }
    void ClosePath() override { Add("Z", {}); }

private:
    void Add(const char* Letter, std::initializer_list<float> Numbers) {
        if (!Log.empty()) Log += ' ';
        Log += Letter;
        bool first = true;
        for (float v : Numbers) {
            if (!first) Log += ',';
            first = false;
            char buf[32];
            auto r = std::to_chars(buf, buf + sizeof buf, v);
            Log.append(buf, r.ptr);
        }
    }
};

struct TCase {
    const char* Text;
    const char* Commands;
};

struct TErrorCase {
    const char* Text;
    const char* Commands; // what was kept before the error
    std::size_t Position;
    const char* Offending;
    const char* Message;
};

std::string Parse(std::string_view Text, TKwSvgPathResult* Result = nullptr) {
    TRecordingSink sink;
    TKwSvgPathResult r = ParseSvgPath(Text, sink);
    if (Result) *Result = r;
    return sink.Log;
}

} // namespace

TEST(SvgPathParser, ReadsEveryNumberFormTheGrammarAllows) {
    const TCase cases[] = {
        {"M1.81.627", "M1.81,0.627"},
        {"M-.621-2.895", "M-0.621,-2.895"},
        {"M+1+2", "M1,2"},
        {"M5.,6.", "M5,6"},
        {"M.5.5", "M0.5,0.5"},
        {"M1e2-1E-1", "M100,-0.1"},
        {"M1e+2,2.5e1", "M100,25"},
        {"M1.5e1.5", "M15,0.5"}, // the fraction after an exponent starts a number
        {"M0.0.0", "M0,0"},
        {"M-0-0", "M-0,-0"},
        {"M 1 , 2", "M1,2"},
        {"\t\r\n\fM1\t2\f", "M1,2"},              // every white space character of the grammar
        {"M1e-400 1e-50", "M0,0"},                // below the double and float ranges: zero
        {"M 3.4028235e38 0", "M3.4028235e+38,0"}, // FLT_MAX's own text reads back as FLT_MAX
        {"M0.1 0.30000001192092896", "M0.1,0.3"},
    };
    for (const auto& c : cases) {
        TKwSvgPathResult r;
        EXPECT_EQ(Parse(c.Text, &r), c.Commands) << c.Text;
        EXPECT_TRUE(r.Ok) << c.Text << ": " << r.Message;
    }
}

TEST(SvgPathParser, ResolvesImplicitAndRelativeCommands) {
    const TCase cases[] = {
        {"", ""},
        {"   ", ""},
        {"M0 0 .5 .5", "M0,0 L0.5,0.5"},
        {"m1 1 2 2", "M1,1 L3,3"},
        {"M1 1m2 2 1 0", "M1,1 M3,3 L4,3"},
        {"M10 20L30 20 40 30z", "M10,20 L30,20 L40,30 Z"},
        {"M1 2h3v4H0V1", "M1,2 L4,2 L4,6 L0,6 L0,1"},
        {"M1 2h1 1v-2", "M1,2 L2,2 L3,2 L3,0"},
        {"M1 1l1,1,2,2", "M1,1 L2,2 L4,4"},
        {"M0 0C1 1 2 2 3 3 4 4 5 5 6 6", "M0,0 C1,1,2,2,3,3 C4,4,5,5,6,6"},
        {"M1 1c1 0 2 0 2 1", "M1,1 C2,1,3,1,3,2"},
        // a close moves the current point back; what follows starts a new subpath there
        {"M1 2L5 5Zl1 1", "M1,2 L5,5 Z M1,2 L2,3"},
        {"M1 2L5 5Zm1 1", "M1,2 L5,5 Z M2,3"},
        {"M1 2L5 5z Z", "M1,2 L5,5 Z Z"},
        {"M1 2L5 5Zh3", "M1,2 L5,5 Z M1,2 L4,2"},
    };
    for (const auto& c : cases) {
        TKwSvgPathResult r;
        EXPECT_EQ(Parse(c.Text, &r), c.Commands) << c.Text;
        EXPECT_TRUE(r.Ok) << c.Text << ": " << r.Message;
    }
}

TEST(SvgPathParser, SmoothCurvesReflectOnlyAfterTheirOwnKind) {
    const TCase cases[] = {
        // S after C reflects C's second control point about the current point
        {"M0 0C0 1 2 1 2 0S4 -1 4 0", "M0,0 C0,1,2,1,2,0 C2,-1,4,-1,4,0"},
        // S after S keeps reflecting; relative s
        {"M0 0C0 1 2 1 2 0s2-1 2 0s2 1 2 0", "M0,0 C0,1,2,1,2,0 C2,-1,4,-1,4,0 C4,1,6,1,6,0"},
        // S after a line or a quadratic: the first control point is the current point
        {"M0 0L2 0S4 1 4 0", "M0,0 L2,0 C2,0,4,1,4,0"},
        {"M0 0Q1 3 3 0S5 1 5 0", "M0,0 C0.6666667,2,1.6666666,2,3,0 C3,0,5,1,5,0"},
        // quadratics as cubics; T after Q reflects Q's control point, after a cubic it does not
        {"M0 0Q3 3 6 0", "M0,0 C2,2,4,2,6,0"},
        {"M0 0Q3 3 6 0T12 0", "M0,0 C2,2,4,2,6,0 C8,-2,10,-2,12,0"},
        {"M0 0q3 3 6 0t6 0", "M0,0 C2,2,4,2,6,0 C8,-2,10,-2,12,0"},
        {"M0 0C1 1 2 1 3 0T6 0", "M0,0 C1,1,2,1,3,0 C3,0,4,0,6,0"},
        {"M0 0T3 0", "M0,0 C0,0,1,0,3,0"},
    };
    for (const auto& c : cases) {
        TKwSvgPathResult r;
        EXPECT_EQ(Parse(c.Text, &r), c.Commands) << c.Text;
        EXPECT_TRUE(r.Ok) << c.Text << ": " << r.Message;
    }
}

TEST(SvgPathParser, ReadsArcsWithPackedFlagsAndDegenerateCases) {
    const TCase cases[] = {
        {"M0 0A10 10 0 1 0 20 0", "M0,0 A0,0,10,10,0,1,0,20,0"},
        {"M1 1a1 1 0 01 5 5", "M1,1 A1,1,1,1,0,0,1,6,6"},
        {"M1 1a1 1 0 1,1 5 5", "M1,1 A1,1,1,1,0,1,1,6,6"},
        {"M0 0a2 3 45 11.5.5", "M0,0 A0,0,2,3,45,1,1,0.5,0.5"},
        {"M0 0a1 1 0 0 0 1 0 1 1 0 0 0 1 0", "M0,0 A0,0,1,1,0,0,0,1,0 A1,0,1,1,0,0,0,2,0"},
        {"M0 0a-1 2 0 0 0 1 0", "M0,0 A0,0,-1,2,0,0,0,1,0"}, // the sink takes |radius|
        // zero radius: a straight line; end equal to start: nothing
        {"M0 0A0 5 0 0 0 3 4", "M0,0 L3,4"},
        {"M0 0A5 0 0 0 0 3 4", "M0,0 L3,4"},
        {"M3 4A5 5 0 0 0 3 4L0 0", "M3,4 L0,0"},
        {"M0 0L1 1ZA1 1 0 0 0 2 0", "M0,0 L1,1 Z M0,0 A0,0,1,1,0,0,0,2,0"},
    };
    for (const auto& c : cases) {
        TKwSvgPathResult r;
        EXPECT_EQ(Parse(c.Text, &r), c.Commands) << c.Text;
        EXPECT_TRUE(r.Ok) << c.Text << ": " << r.Message;
    }
}

TEST(SvgPathParser, KeepsCompleteCommandsAndReportsTheFirstError) {
    const TErrorCase cases[] = {
        {"L1 1", "", 1, "L", "path must start with a move"},
        {"10 10", "", 1, "10", "path must start with a move"},
        {"  X1 1", "", 3, "X", "unknown command 'X'"},
        {"M", "", 2, "", "expected number"},
        {"M1", "", 3, "", "expected number"},
        {"M1 2 3", "M1,2", 7, "", "expected number"},
        {"M1 2L3 4 5 6 7", "M1,2 L3,4 L5,6", 15, "", "expected number"},
        {"M1 2 L3 4 X 5", "M1,2 L3,4", 11, "X", "unknown command 'X'"},
        {"M1 2 L3 4 # 5", "M1,2 L3,4", 11, "#", "expected command"},
        {"M1 2 L3 4,L5 6", "M1,2 L3,4", 11, "L", "expected number"},
        {"M1 2 L3,,4", "M1,2", 9, ",", "expected number"},
        {"M1,2,", "M1,2", 6, "", "expected number"},
        {"M,1 2", "", 2, ",", "expected number"},
        {"M1 2Z 3 4", "M1,2 Z", 7, "3", "expected command"},
        {"M1 2 C1 2 3 4 5", "M1,2", 16, "", "expected number"},
        {"M0 0 A1 1 0 2 0 3 3", "M0,0", 13, "2", "expected flag"},
        {"M0 0 A1 1 0 1", "M0,0", 14, "", "expected flag"},
        {"M0 0 a1 1 0 01 5", "M0,0", 17, "", "expected number"},
        {"M1 . 2", "", 4, ".", "expected number"},
        {"M1e 2", "", 3, "e", "expected number"}, // "e" without digits is no exponent
        {"M1 -", "", 4, "-", "expected number"},
        {"M1 +-2", "", 4, "+-2", "expected number"},
        {"M0 0L1e999 0", "M0,0", 6, "1e999", "number out of range"},
        {"M0 0L1e39 0", "M0,0", 6, "1e39", "coordinate out of range"},
        {"M3e38 0l3e38 0", "M3e+38,0", 9, "3e38", "coordinate out of range"},
        // positions count characters, not bytes
        {"M1 2 L\xC3\xA9", "M1,2", 7, "\xC3\xA9", "expected number"},
        {"M1 2 \xE2\x82\xAC 3", "M1,2", 6, "\xE2\x82\xAC", "expected command"},
    };
    for (const auto& c : cases) {
        TKwSvgPathResult r;
        EXPECT_EQ(Parse(c.Text, &r), c.Commands) << c.Text;
        EXPECT_FALSE(r.Ok) << c.Text;
        EXPECT_EQ(r.Position, c.Position) << c.Text;
        EXPECT_EQ(r.Text, c.Offending) << c.Text;
        EXPECT_EQ(r.Message, c.Message) << c.Text;
    }
}

// Numbers read as the correctly rounded double of their text, then rounded to float once:
// random texts of every shape (long mantissas, leading zeros, exponents at and beyond the
// range where the short cut applies) against std::from_chars.
TEST(SvgPathParser, NumbersMatchCorrectlyRoundedConversion) {
    std::mt19937 rng(2024);
    auto pick = [&](int N) { return int(rng() % unsigned(N)); };
    for (int i = 0; i < 20000; ++i) {
        std::string digits;
        const int intDigits = pick(4) == 0 ? 0 : pick(25);
        const int fracDigits = pick(3) == 0 ? 0 : pick(25);
        for (int k = 0; k < intDigits; ++k)
            digits += char('0' + (k == 0 && pick(2) ? 0 : pick(10)));
        std::string text = digits;
        if (fracDigits > 0 || intDigits == 0) {
            text += '.';
            for (int k = 0; k < std::max(fracDigits, 1); ++k) text += char('0' + pick(10));
        }
        if (pick(2)) text += "e" + std::to_string(pick(80) - 40);
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        if (std::fabs(expected) > 3e38) continue;

        TRecordingSink sink;
        const std::string path = "M" + text + " 0";
        ASSERT_TRUE(ParseSvgPath(path, sink).Ok) << path;
        char buf[32];
        const std::string want =
            "M" + std::string(buf, std::to_chars(buf, buf + 32, static_cast<float>(expected)).ptr) +
            ",0";
        ASSERT_EQ(sink.Log, want) << path;
    }
}
