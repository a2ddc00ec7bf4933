// SPDX-License-Identifier: MIT
// The example programs run as a user runs them, their outputs checked: icons that are
// transparent, fitted, centred, anti-aliased and of the chosen colour, with parse errors
// at their line and column; the chart's parts where its layout puts them; the saved path
// read back by the library itself; the hint that hides itself on real time and ends the
// program.
#include "kwgfx/KwGraphics.h"
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/SystemColors.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"
#include "support/PixelInk.h"
#include "support/ProcessRun.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace kw::platform;
using kwtest::InkWhere;
using kwtest::Quote;
using kwtest::RunShell;
using kwtest::Slurp;
using kwtest::TInk;
using kwtest::TRun;

int PngColorType(const fs::path& File) {
    const std::string bytes = Slurp(File);
    return bytes.size() > 25 ? static_cast<unsigned char>(bytes[25]) : -1;
}

TRGBA Opaque(TColor C) {
    return ColorToRGBA(C, 255);
}

class Examples : public ::testing::Test {
protected:
    fs::path File(const std::string& Name) const { return FDir / Name; }

    TRun Run(const std::string& Program, const std::vector<std::string>& Args) {
        std::string cmd = Quote(Program);
        for (const std::string& a : Args) cmd += " " + Quote(a);
        return RunShell(cmd + " < /dev/null", FDir.Path());
    }

    kwtest::TScratchFolder FDir{"kwgfx-examples"};
};

const std::string kIcons = std::string(KWGFX_EXAMPLES_DIR) + "/icons/";

TEST_F(Examples, RenderIconsDrawsTransparentFittedAntialiasedIcons) {
    const TRun r = Run(KWGFX_EXAMPLE_RENDER_ICONS,
                       {"--size", "16", "--size", "48", "-o", File("out").string(),
                        kIcons + "ring-check.txt", kIcons + "house.txt", kIcons + "star.txt"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    const TRGBA blue{0x1E, 0x88, 0xE5, 255};
    for (const char* name : {"ring-check", "house", "star"})
        for (int size : {16, 48}) {
            const fs::path png =
                File("out") / (std::string(name) + "-" + std::to_string(size) + ".png");
            SCOPED_TRACE(png.string());
            ASSERT_EQ(PngColorType(png), 6); // RGB with alpha
            TBitmap icon;
            icon.LoadFromFile(png.string());
            ASSERT_EQ(icon.Width(), size);
            ASSERT_EQ(icon.Height(), size);
            EXPECT_EQ(icon.GetPixelRGBA(0, 0).A, 0);
            EXPECT_EQ(icon.GetPixelRGBA(size - 1, size - 1).A, 0);
            // Solid ink is exactly the colour; soft edges exist.
            const TInk solid = InkWhere(icon, [](TRGBA P) { return P.A == 255; });
            EXPECT_GT(solid.Count, size);
            EXPECT_EQ(InkWhere(icon, [&](TRGBA P) { return P.A == 255 && P != blue; }).Count, 0);
            EXPECT_GT(InkWhere(icon, [](TRGBA P) { return P.A > 0 && P.A < 255; }).Count, size / 2);
            // Fitted by the drawn geometry: it spans the icon along one axis at least, and
            // sits centred along both.
            const TInk ink = InkWhere(icon, [](TRGBA P) { return P.A > 0; });
            EXPECT_TRUE((ink.Left == 0 && ink.Right == size - 1) ||
                        (ink.Top == 0 && ink.Bottom == size - 1));
            EXPECT_LE(std::abs(ink.Left - (size - 1 - ink.Right)), 1);
            EXPECT_LE(std::abs(ink.Top - (size - 1 - ink.Bottom)), 1);
        }
    // Nonzero: the inner circle, wound the other way, is a hole; the check mark inside it
    // is ink again. Tight bounds 1..23 scaled by 48/22 about the centre (12, 12) -> (24, 24).
    TBitmap ring;
    ring.LoadFromFile((File("out") / "ring-check-48.png").string());
    EXPECT_EQ(ring.GetPixelRGBA(24, 4), blue);  // the ring, units y 2.8..3.3
    EXPECT_EQ(ring.GetPixelRGBA(24, 10).A, 0);  // the hole, units y 5.6..6.0
    EXPECT_EQ(ring.GetPixelRGBA(24, 28), blue); // the check mark, units y 13.8..14.3
}

TEST_F(Examples, RenderIconsTakesAColourAndReportsErrorsAtLineAndColumn) {
    std::ofstream(File("bad.txt")) << "M2 2H20V20\n  Z X 5\n";
    const TRun bad =
        Run(KWGFX_EXAMPLE_RENDER_ICONS, {"--color", "#F00", "--size", "20", "-o",
                                         File("out").string(), File("bad.txt").string()});
    EXPECT_EQ(bad.ExitCode, 1);
    EXPECT_NE(bad.Err.find("bad.txt:2:5: error: "), std::string::npos) << bad.Err;
    // Drawn up to the error, as a browser would: the triangle, in red.
    TBitmap icon;
    icon.LoadFromFile((File("out") / "bad-20.png").string());
    EXPECT_EQ(icon.GetPixelRGBA(17, 4), Opaque(clRed));
    EXPECT_EQ(icon.GetPixelRGBA(2, 17).A, 0);

    const TRun colour =
        Run(KWGFX_EXAMPLE_RENDER_ICONS, {"--color", "notacolour", kIcons + "star.txt"});
    EXPECT_EQ(colour.ExitCode, 1);
    EXPECT_NE(colour.Err.find("'notacolour'"), std::string::npos) << colour.Err;
}

TEST_F(Examples, ChartPutsEachPartWhereItsLayoutSays) {
    const fs::path png = File("chart.png");
    const TRun r = Run(KWGFX_EXAMPLE_CHART, {png.string()});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    TBitmap chart;
    chart.LoadFromFile(png.string());
    ASSERT_EQ(chart.Width(), 640);
    ASSERT_EQ(chart.Height(), 400);

    // Background: light blue at the top, white at the bottom, lightening on the way.
    const TRGBA top = chart.GetPixelRGBA(620, 2), middle = chart.GetPixelRGBA(620, 200),
                bottom = chart.GetPixelRGBA(620, 397);
    EXPECT_NEAR(top.R, 0xBB, 8);
    EXPECT_NEAR(top.B, 0xFB, 8);
    EXPECT_NEAR(bottom.R, 0xFF, 8);
    EXPECT_LT(top.R, middle.R);
    EXPECT_LT(middle.R, bottom.R);

    // Pie slices counter-clockwise from straight up, each in its colour halfway round it.
    const struct {
        double Share;
        TColor Color;
    } slices[] = {{0.40, RGB(0x1E, 0x88, 0xE5)},
                  {0.30, RGB(0xFB, 0x8C, 0x00)},
                  {0.20, RGB(0x43, 0xA0, 0x47)},
                  {0.10, RGB(0x8E, 0x24, 0xAA)}};
    double start = 90;
    for (const auto& s : slices) {
        const double middleAngle = (start + s.Share * 180) * std::numbers::pi / 180;
        const int x = int(std::lround(430 + 60 * std::cos(middleAngle)));
        const int y = int(std::lround(180 - 60 * std::sin(middleAngle)));
        EXPECT_EQ(chart.GetPixel(x, y), s.Color) << x << "," << y;
        start += s.Share * 360;
    }

    // Progress: ten steps of 46 pixels, 4 apart, from x = 70; seven done.
    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(chart.GetPixel(70 + 50 * j + 23, 355), j < 7 ? RGB(0x43, 0xA0, 0x47) : clWhite)
            << "step " << j;

    // The title runs upwards along the left edge: much taller than wide.
    const TInk title = InkWhere(chart, [](TRGBA P) { return P == TRGBA{0x0D, 0x47, 0xA1, 255}; });
    EXPECT_GT(title.Count, 200);
    EXPECT_LT(title.Right, 60);
    EXPECT_GT(title.Bottom - title.Top, 4 * (title.Right - title.Left));

    // The paragraph stays in its column and wraps over several lines.
    const TRGBA text{0x21, 0x21, 0x21, 255};
    int lines = 0;
    bool inLine = false;
    for (int y = 60; y < 300; ++y) {
        bool ink = false;
        for (int x = 0; x < 300; ++x)
            if (chart.GetPixelRGBA(x, y) == text) {
                ink = true;
                EXPECT_GE(x, 70);
                EXPECT_LT(x, 215);
            }
        lines += ink && !inLine;
        inLine = ink;
    }
    EXPECT_GE(lines, 5);
}

TEST_F(Examples, SaveLoadPathWritesAPathTheLibraryReadsBack) {
    const fs::path file = File("badge.kwp");
    const TRun r = Run(KWGFX_EXAMPLE_SAVE_LOAD_PATH, {file.string()});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_NE(r.Out.find("the loaded path equals the saved one"), std::string::npos) << r.Out;
    EXPECT_EQ(Slurp(file).rfind("kwgfx-properties 1\n", 0), 0u);

    // Read here on its own: the same path the program printed, with its fill mode.
    kw::TKwPathData path;
    LoadObjectFromFile(path, file.string());
    const size_t at = r.Out.find("path: ");
    ASSERT_NE(at, std::string::npos);
    const std::string printed = r.Out.substr(at + 6, r.Out.find('\n', at) - at - 6);
    EXPECT_EQ(path.GetSvgPathString(), printed);
    EXPECT_EQ(path.FillMode(), kw::fmNonZero);
    int curves = 0, closes = 0;
    for (const kw::TKwPathPoint& p : path.Entries()) {
        curves += p.Kind == kw::ppCurveTo;
        closes += p.Kind == kw::ppClose;
    }
    EXPECT_EQ(curves, 3 * 8); // two rounded corners, an ellipse of four, an arc of two
    EXPECT_EQ(closes, 4);
}

TEST_F(Examples, HintWindowHidesOnTheSteadyClockAndTheProgramEnds) {
    const fs::path png = File("hint.png");
    const TRun r = Run(KWGFX_EXAMPLE_HINT_WINDOW, {png.string(), "300"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    long long shown = -1;
    ASSERT_EQ(std::sscanf(r.Out.c_str(), "hint shown for %lld ms", &shown), 1) << r.Out;
    EXPECT_GE(shown, 300);
    EXPECT_LT(shown, 300 + 5000);
    EXPECT_NE(r.Out.find("now hidden"), std::string::npos) << r.Out;

    // Its picture while shown: the hint colour inside a frame, with text on it.
    TBitmap hint;
    hint.LoadFromFile(png.string());
    EXPECT_GT(hint.Width(), 60);
    EXPECT_GT(hint.Height(), 10);
    const TColor background = ColorToRGB(clInfoBk);
    EXPECT_EQ(hint.GetPixel(hint.Width() / 2, 1), background);
    int dark = 0;
    for (int y = 1; y + 1 < hint.Height(); ++y)
        for (int x = 1; x + 1 < hint.Width(); ++x) {
            const TRGBA p = hint.GetPixelRGBA(x, y);
            dark += p.R < 128 && p.G < 128 && p.B < 128;
        }
    EXPECT_GT(dark, 50);
}

} // namespace
