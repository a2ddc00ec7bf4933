// SPDX-License-Identifier: MIT
// The kwgfx program run as a user runs it: pictures it renders, what info prints, and how
// it refuses bad input.

#include "kwgfx/backends/cairo/Bitmap.h"

#include "support/ProcessRun.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kw::platform::TBitmap;
using kwtest::Quote;
using kwtest::RunShell;
using kwtest::Slurp;
using kwtest::TRun;

class KwgfxTool : public ::testing::Test {
protected:
    fs::path File(const std::string& Name) const { return FDir / Name; }

    // Runs the program with Args; StdIn, when given, is fed from a file; Launcher, when
    // given, is the start of the command line that runs the program (env, xvfb-run, ...).
    TRun Run(const std::vector<std::string>& Args, const std::string* StdIn = nullptr,
             const std::string& Launcher = "") {
        std::string cmd = Launcher + Quote(KWGFX_TOOL);
        for (const std::string& a : Args) cmd += " " + Quote(a);
        if (StdIn) {
            std::ofstream(File("stdin.txt"), std::ios::binary) << *StdIn;
            cmd += " < " + Quote(File("stdin.txt").string());
        } else {
            cmd += " < /dev/null";
        }
        return RunShell(cmd, FDir.Path());
    }

    kwtest::TScratchFolder FDir{"kwgfx-tool"};
};

// A shape with straight and curved edges in a 0..100 box.
const std::string kSample = "M10,10 L90,10 C90,60 60,90 10,90 Z";

int CountColor(const TBitmap& B, kw::platform::TColor Color) {
    int n = 0;
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x) n += B.GetPixel(x, y) == Color;
    return n;
}

TEST_F(KwgfxTool, RendersAFittedPictureOfTheRequestedSize) {
    const std::string png = File("sample.png").string();
    const TRun r = Run({"render", kSample, "-o", png, "--size", "160x120", "--fit", "--fill", "red",
                        "--background", "#FFFF00"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    TBitmap picture;
    picture.LoadFromFile(png);
    ASSERT_EQ(picture.Width(), 160);
    ASSERT_EQ(picture.Height(), 120);
    // Fitted with its proportions kept into the height less a margin: a large share of
    // red ink, the rest the yellow background, and the corners left free.
    const int red = CountColor(picture, kw::platform::clRed);
    const int yellow = CountColor(picture, kw::platform::clYellow);
    EXPECT_GT(red, 5000);
    EXPECT_EQ(red + yellow, 160 * 120);
    EXPECT_EQ(picture.GetPixel(0, 0), kw::platform::clYellow);
    EXPECT_EQ(picture.GetPixel(159, 119), kw::platform::clYellow);
    EXPECT_EQ(picture.GetPixel(80, 30), kw::platform::clRed);

    // Without --fit the path keeps its coordinates; the default fill is black.
    const std::string plain = File("plain.png").string();
    ASSERT_EQ(Run({"render", kSample, "-o", plain, "--size", "50x50"}).ExitCode, 0);
    picture.LoadFromFile(plain);
    EXPECT_EQ(picture.GetPixel(20, 20), kw::platform::clBlack);
    EXPECT_EQ(picture.GetPixel(5, 5), kw::platform::clWhite);
}

TEST_F(KwgfxTool, InnerFiguresCutHolesUnderTheFillRule) {
    // The inner square winds the other way: a hole under both rules. Wound the same way,
    // it is a hole only under evenodd.
    const std::string other = "M0 0H40V40H0Z M10 10V30H30V10Z";
    const std::string same = "M0 0H40V40H0Z M10 10H30V30H10Z";
    auto centre = [&](const std::string& Path, const std::vector<std::string>& Extra) {
        std::vector<std::string> args = {"render", Path,   "-o", File("h.png").string(),
                                         "--size", "41x41"};
        args.insert(args.end(), Extra.begin(), Extra.end());
        const TRun r = Run(args);
        EXPECT_EQ(r.ExitCode, 0) << r.Err;
        TBitmap picture;
        picture.LoadFromFile(File("h.png").string());
        EXPECT_EQ(picture.GetPixel(5, 20), kw::platform::clBlack);
        return picture.GetPixel(20, 20);
    };
    EXPECT_EQ(centre(other, {}), kw::platform::clWhite);
    EXPECT_EQ(centre(same, {}), kw::platform::clBlack);
    EXPECT_EQ(centre(same, {"--fill-rule", "evenodd"}), kw::platform::clWhite);
    EXPECT_NE(Run({"render", same, "-o", File("x.png").string(), "--fill-rule", "odd"}).ExitCode,
              0);
}

TEST_F(KwgfxTool, ReadsPathTextFromAFileOrStandardInput) {
    std::ofstream(File("shape.txt")) << kSample << "\n";
    const std::vector<std::string> common = {"--size", "64x64", "--fit", "--stroke", "clNavy"};
    auto render = [&](std::vector<std::string> Source, const std::string& Out,
                      const std::string* StdIn = nullptr) {
        std::vector<std::string> args = {"render"};
        args.insert(args.end(), Source.begin(), Source.end());
        args.insert(args.end(), {"-o", File(Out).string()});
        args.insert(args.end(), common.begin(), common.end());
        const TRun r = Run(args, StdIn);
        EXPECT_EQ(r.ExitCode, 0) << r.Err;
        return Slurp(File(Out));
    };
    const std::string literal = render({kSample}, "a.png");
    EXPECT_FALSE(literal.empty());
    EXPECT_EQ(render({"@" + File("shape.txt").string()}, "b.png"), literal);
    EXPECT_EQ(render({"--file", File("shape.txt").string()}, "c.png"), literal);
    EXPECT_EQ(render({"-"}, "d.png", &kSample), literal);
    TBitmap picture;
    picture.LoadFromFile(File("a.png").string());
    EXPECT_GT(CountColor(picture, kw::platform::clNavy), 100); // outline only
    EXPECT_EQ(CountColor(picture, kw::platform::clNavy) +
                  CountColor(picture, kw::platform::clWhite),
              64 * 64);
}

TEST_F(KwgfxTool, StrokesByFillingTheOutline) {
    // A line 60 long on whole pixels, 4 wide: butt ends cover 60 x 4 pixels, square ends
    // 2 more on each side, round ends something in between; dashes 6 on, 6 off half of it.
    const auto ink = [&](std::vector<std::string> Extra) {
        std::vector<std::string> args = {
            "render", "M20 20H80", "-o",  File("s.png").string(), "--size",
            "100x40", "--stroke",  "red", "--stroke-width",       "4"};
        args.insert(args.end(), Extra.begin(), Extra.end());
        const TRun r = Run(args);
        EXPECT_EQ(r.ExitCode, 0) << r.Err;
        TBitmap picture;
        picture.LoadFromFile(File("s.png").string());
        return CountColor(picture, kw::platform::clRed);
    };
    EXPECT_EQ(ink({}), 240);
    EXPECT_EQ(ink({"--cap", "square"}), 256);
    const int round = ink({"--cap", "round", "--join", "round"});
    EXPECT_GT(round, 240);
    EXPECT_LT(round, 256);
    EXPECT_EQ(ink({"--dash", "6,6"}), 120);
    // --outline fills the outline as the path: the fill colour, else the stroke's.
    EXPECT_EQ(ink({"--outline"}), 240);
    EXPECT_EQ(ink({"--outline", "--fill", "blue"}), 0);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--join", "sharp"},
                                                {"--cap", "flat"},
                                                {"--dash", "4,-2"},
                                                {"--dash", "0,0"},
                                                {"--dash", ""},
                                                {"--stroke-width", "0"}}) {
        std::vector<std::string> args = {"render", "M0 0H9", "-o", File("b.png").string()};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_NE(Run(args).ExitCode, 0) << bad[0] << " " << bad[1];
    }
}

TEST_F(KwgfxTool, FillsTheResultOfABooleanOperation) {
    // Two 20 x 20 squares overlapping in a 10 x 10 square.
    const auto ink = [&](const std::string& Op) {
        const TRun r = Run({"render", "M0 0H20V20H0Z", "--op", Op, "--with", "M10 10H30V30H10Z",
                            "-o", File("op.png").string(), "--size", "40x40"});
        EXPECT_EQ(r.ExitCode, 0) << r.Err;
        TBitmap picture;
        picture.LoadFromFile(File("op.png").string());
        return CountColor(picture, kw::platform::clBlack);
    };
    EXPECT_EQ(ink("union"), 700);
    EXPECT_EQ(ink("intersection"), 100);
    EXPECT_EQ(ink("difference"), 300);
    EXPECT_EQ(ink("xor"), 600);
    EXPECT_NE(Run({"render", "M0 0H9V9Z", "--op", "union", "-o", File("x.png").string()}).ExitCode,
              0); // no --with
    EXPECT_NE(Run({"render", "M0 0H9V9Z", "--op", "merge", "--with", "M0 0H1V1Z", "-o",
                   File("x.png").string()})
                  .ExitCode,
              0);
}

TEST_F(KwgfxTool, InfoPrintsCountsBoundsAndText) {
    const TRun r = Run({"info", "M 0 0 L 10 0 L 10 5 z m 20 20 h 5"});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_NE(r.Out.find("entries: 6\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("bounds: 0 0 25 20\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("text: M0,0 L10,0 L10,5 Z M20,20 L25,20"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("polygons: 2\n"), std::string::npos) << r.Out;
    // 10 + 5 + hypot(10, 5) round the closed figure, then 5.
    EXPECT_NE(r.Out.find("length: 31.1803399\n"), std::string::npos) << r.Out;
}

TEST_F(KwgfxTool, ReadsSvgPathDataUnlessToldToBeCompatible) {
    // Compact SVG numbers: "1.5.5" is 1.5 and .5.
    const TRun svg = Run({"info", "M1.5.5 L10 10"});
    ASSERT_EQ(svg.ExitCode, 0) << svg.Err;
    EXPECT_NE(svg.Out.find("entries: 2\n"), std::string::npos) << svg.Out;
    EXPECT_NE(svg.Out.find("text: M1.5,0.5 L10,10"), std::string::npos) << svg.Out;
    const TRun compat = Run({"info", "M1.5.5 L10 10", "--compat"});
    ASSERT_EQ(compat.ExitCode, 0) << compat.Err;
    EXPECT_NE(compat.Out, svg.Out);

    // An error keeps what came before it, with a one-line warning.
    const std::string png = File("partial.png").string();
    const TRun partial = Run({"render", "M 0 0 L 10 0 L 10 10 Z L 5", "-o", png});
    EXPECT_EQ(partial.ExitCode, 0);
    EXPECT_EQ(partial.Err.rfind("kwgfx: warning: ", 0), 0u) << partial.Err;
    EXPECT_EQ(std::count(partial.Err.begin(), partial.Err.end(), '\n'), 1) << partial.Err;
    TBitmap picture;
    picture.LoadFromFile(png);
    EXPECT_EQ(picture.GetPixel(8, 3), kw::platform::clBlack);
}

TEST_F(KwgfxTool, VersionIsTheProjectsAndHelpOffersIt) {
    const TRun version = Run({"--version"});
    EXPECT_EQ(version.ExitCode, 0) << version.Err;
    EXPECT_EQ(version.Out, std::string("kwgfx ") + KWGFX_PROJECT_VERSION + "\n");
    EXPECT_EQ(version.Err, "");
    const TRun help = Run({"--help"});
    EXPECT_NE(help.Out.find("kwgfx --version"), std::string::npos) << help.Out;
    // Only the first argument is the command: a later --version is an unknown option.
    EXPECT_NE(Run({"info", "--version"}).ExitCode, 0);
}

TEST_F(KwgfxTool, BadInputGivesOneLineAndAFailureStatus) {
    const std::string out = File("never.png").string();
    const std::vector<std::vector<std::string>> cases = {
        {"render", "@" + File("missing.txt").string(), "-o", out},
        {"render", "--file", FDir.Path().string(), "-o", out},
        {"render", kSample, "-o", out, "--size", "0x10"},
        {"render", kSample, "-o", out, "--size", "100"},
        {"render", kSample, "-o", out, "--size", "99999x10"},
        {"render", kSample, "-o", out, "--fill", "notacolour"},
        {"render", kSample, "-o", out, "--background", "#12345"},
        {"render", kSample, "-o", out, "--stroke"},
        {"render", kSample},
        {"render", "-o", out},
        {"render", kSample, kSample, "-o", out},
        {"render", kSample, "-o", out, "--bogus"},
        {"render", kSample, "-o", File("no/such/dir/x.png").string()},
        {"info"},
        {"nosuchcommand"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        const TRun r = Run(args);
        EXPECT_NE(r.ExitCode, 0) << shown;
        EXPECT_EQ(r.Err.rfind("kwgfx: ", 0), 0u) << shown << "-> " << r.Err;
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << shown << "-> " << r.Err;
        EXPECT_FALSE(fs::exists(out)) << shown;
    }
}

bool HasDemo(const TRun& Help) {
    return Help.Out.find("kwgfx demo") != std::string::npos;
}

// demo reads its command line and finds its page before it opens a display: without one,
// good arguments end at the display and bad ones at their own error, one line each.
TEST_F(KwgfxTool, DemoChecksItsArgumentsBeforeItNeedsADisplay) {
    if (!HasDemo(Run({"--help"}))) GTEST_SKIP() << "built without GTK 4: no demo command";
    const std::string noDisplay = "kwgfx: demo: cannot open a display";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, noDisplay},
        {{"--page", "pie_slices", "--search", "TKwHint", "--size", "1200x720", "--no-labels",
          "--screenshot", File("never.png").string()},
         noDisplay},
        {{"--page", "4"}, noDisplay},
        {{"--page", "pie_slices.png"}, noDisplay},
        {{"--size", "8192x1"}, noDisplay},
        // Sizes as render takes them.
        {{"--size", "0x10"}, "kwgfx: bad size '0x10'"},
        {{"--size", "8193x10"}, "kwgfx: bad size '8193x10'"},
        {{"--size", "1200"}, "kwgfx: bad size '1200'"},
        {{"--size", "12x12px"}, "kwgfx: bad size '12x12px'"},
        {{"--size"}, "kwgfx: option --size needs a value"},
        {{"--page", "no_such_page"}, "kwgfx: no page 'no_such_page'"},
        {{"--page", "-1"}, "kwgfx: no page '-1'"},
        {{"--page", "4x"}, "kwgfx: no page '4x'"},
        {{"--page", "99999999999"}, "kwgfx: no page '99999999999'"},
        {{"--page"}, "kwgfx: option --page needs a value"},
        {{"--bogus"}, "kwgfx: demo: unknown argument '--bogus'"},
    };
    for (const auto& [args, error] : cases) {
        std::vector<std::string> line{"demo"};
        line.insert(line.end(), args.begin(), args.end());
        std::string shown;
        for (const auto& a : line) shown += a + " ";
        const TRun r = Run(line, nullptr, "env -u DISPLAY -u WAYLAND_DISPLAY ");
        EXPECT_EQ(r.ExitCode, 1) << shown;
        EXPECT_EQ(r.Err.rfind(error, 0), 0u) << shown << "-> " << r.Err;
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << shown << "-> " << r.Err;
    }
    EXPECT_FALSE(fs::exists(File("never.png")));
}

// A screenshot that cannot be saved ends the demo like any other error: one line, status 1,
// the window taken down on the way out.
TEST_F(KwgfxTool, DemoFailsCleanlyWhenItsScreenshotCannotBeSaved) {
    if (!HasDemo(Run({"--help"}))) GTEST_SKIP() << "built without GTK 4: no demo command";
    if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xvfb-run not found";
    const std::string shot = File("no/such/dir/demo.png").string();
    // xvfb-run -a takes the first display number free when it looks; another X server
    // starting at the same moment (the GTK tests) can take it first, and then it says so and
    // gives up: asked again, it finds another.
    TRun r;
    for (int attempt = 0; attempt < 3; ++attempt) {
        r = Run({"demo", "--size", "400x300", "--screenshot", shot}, nullptr,
                "xvfb-run -a env GSK_RENDERER=cairo GDK_DEBUG=gl-disable GTK_A11Y=none ");
        if (r.Err.find("xvfb-run: error") == std::string::npos) break;
    }
    EXPECT_EQ(r.ExitCode, 1) << r.Err;
    EXPECT_EQ(r.Err.rfind("kwgfx: ", 0), 0u) << r.Err;
    EXPECT_NE(r.Err.find("demo.png"), std::string::npos) << r.Err;
    EXPECT_EQ(r.Out, "");
    EXPECT_FALSE(fs::exists(shot));
}

} // namespace
