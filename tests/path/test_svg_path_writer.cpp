// SPDX-License-Identifier: MIT
// Compact SVG path text from entries.

#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwSvgPathParser.h>
#include <kwgfx/path/KwSvgPathWriter.h>

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <random>
#include <vector>

using namespace kw;

namespace {

// Collects reported geometry as entries, the way the path's own sink does for everything
// but arcs (which these tests do not write).
class TEntrySink : public IKwSvgPathSink {
public:
    std::vector<TKwPathPoint> Entries;
    void MoveTo(const TKwPoint& P) override { Entries.emplace_back(ppMoveTo, P); }
    void LineTo(const TKwPoint& P) override { Entries.emplace_back(ppLineTo, P); }
    void CurveTo(const TKwPoint& A, const TKwPoint& B, const TKwPoint& E) override {
        Entries.emplace_back(ppCurveTo, A);
        Entries.emplace_back(ppCurveTo, B);
        Entries.emplace_back(ppCurveTo, E);
    }
    void ArcTo(const TKwPoint&, const TKwPoint&, float, bool, bool, const TKwPoint&) override {
        ADD_FAILURE() << "no arcs expected";
    }
    void ClosePath() override { Entries.emplace_back(ppClose, Start()); }

private:
    TKwPoint Start() const {
        for (auto it = Entries.rbegin(); it != Entries.rend(); ++it)
            if (it->Kind == ppMoveTo) return it->Point;
        return {};
    }
};

std::vector<TKwPathPoint> ReadBack(const std::string& Text) {
    TEntrySink sink;
    TKwSvgPathResult r = ParseSvgPath(Text, sink);
    EXPECT_TRUE(r.Ok) << Text << ": " << r.Message << " at " << r.Position;
    return sink.Entries;
}

bool SameBits(std::span<const TKwPathPoint> A, std::span<const TKwPathPoint> B) {
    if (A.size() != B.size()) return false;
    for (std::size_t i = 0; i < A.size(); ++i) {
        const TKwPoint a = A[i].Point, b = B[i].Point;
        if (A[i].Kind != B[i].Kind ||
            std::bit_cast<uint32_t>(a.X) != std::bit_cast<uint32_t>(b.X) ||
            std::bit_cast<uint32_t>(a.Y) != std::bit_cast<uint32_t>(b.Y))
            return false;
    }
    return true;
}

} // namespace

TEST(SvgPathWriter, WritesCompactText) {
    TKwPathData path;
    path.MoveTo({10, 20});
    path.LineTo({30, 20});
    path.LineTo({-0.5f, 0.25f});
    path.CurveTo({40, 20}, {50, -30}, {0.5f, 0.5f});
    path.CurveTo({1, 2}, {3, 4}, {5, 6});
    path.ClosePath();
    path.MoveTo({1e20f, 1e-7f});
    path.LineTo({-0.f, 0});
    EXPECT_EQ(WriteSvgPath(path.Entries()),
              "M10 20 30 20-.5.25C40 20 50-30 .5.5 1 2 3 4 5 6ZM1e20 1e-7-0 0");
    EXPECT_EQ(WriteSvgPath({}), "");
}

TEST(SvgPathWriter, FixedPrecisionRoundsAndTrims) {
    TKwPathData path;
    path.MoveTo({1.23456f, -0.0004f});
    path.LineTo({100, 0.5f});
    EXPECT_EQ(WriteSvgPath(path.Entries(), 2), "M1.23 0 100 .5");
    EXPECT_EQ(WriteSvgPath(path.Entries(), 0), "M1 0 100 0");
}

TEST(SvgPathWriter, ExpressesWhatSvgCannotAsTheSameDrawing) {
    TKwPathData path;
    path.LineTo({5, 5}); // no move first
    path.CurveTo({1, 1}, {2, 2}, {3, 3});
    path.MoveTo({NAN, INFINITY});
    path.LineTo({-INFINITY, 1});
    EXPECT_EQ(WriteSvgPath(path.Entries()), "M0 0 5 5C1 1 2 2 3 3M0 3.4028235e38-3.4028235e38 1");
    // A lone curve point (a malformed array) is written as a line.
    std::vector<TKwPathPoint> odd{{ppMoveTo, {0, 0}}, {ppCurveTo, {1, 2}}, {ppLineTo, {3, 4}}};
    EXPECT_EQ(WriteSvgPath(odd), "M0 0 1 2 3 4");
}

// Random paths of random floats, written and read back: the same entries, bit for bit.
TEST(SvgPathWriter, ShortestTextReadsBackBitForBit) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<uint32_t> bits;
    std::uniform_real_distribution<float> plain(-1000, 1000);
    auto value = [&](int i) {
        if (i % 3 == 0) {
            float f = std::bit_cast<float>(bits(rng));
            return std::isfinite(f) ? f : 0.f;
        }
        return i % 3 == 1 ? plain(rng) : std::ldexp(plain(rng), -140); // subnormals too
    };
    for (int round = 0; round < 200; ++round) {
        TKwPathData path;
        path.MoveTo({value(round), value(round + 1)});
        for (int k = 0; k < 20; ++k) {
            switch ((round + k) % 5) {
            case 0:
                path.LineTo({value(k), value(k + 1)});
                break;
            case 1:
                path.CurveTo({value(k), value(k + 2)}, {value(k + 1), value(k)},
                             {value(k + 2), value(k + 1)});
                break;
            case 2:
                path.ClosePath();
                path.MoveTo({value(k + 1), value(k)});
                break;
            default:
                path.LineTo({-value(k), value(k + 2)});
                break;
            }
        }
        const std::string text = WriteSvgPath(path.Entries());
        ASSERT_TRUE(SameBits(ReadBack(text), path.Entries())) << text;
    }
}
