// SPDX-License-Identifier: MIT
// The self-hiding hint window on the application's message loop (on a manual clock) and
// a recording surface: creation, the hide countdown, sizing and placing, painting, the
// re-entry guard, failures, ownership and streaming.
#include "kwgfx/KwHintWindow.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace kw;
using namespace kw::platform;

namespace {

class HintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().MessageLoop().SetClock(std::make_unique<TManualClock>());
    }
    void TearDown() override {
        Application().MessageLoop().SetClock(nullptr);
        Application().SetHintColor(clInfoBk);
        Application().SetWindowSurfaceFactory({});
        Screen().SetSize(1920, 1080);
    }
    static TMessageLoop& Loop() { return Application().MessageLoop(); }
    static TRecordingCanvas& Recording(TCustomControl& W) {
        return static_cast<TRecordingCanvas&>(W.Canvas());
    }
    // The DrawText calls that painted (not the measuring ones).
    static std::vector<TCanvasCall> PaintedTexts(TCustomControl& W) {
        std::vector<TCanvasCall> out;
        for (const TCanvasCall& c : Recording(W).CallsNamed("DrawText"))
            if (!(static_cast<uint32_t>(c.Args[4]) & DT_CALCRECT)) out.push_back(c);
        return out;
    }
};

TRect Offset(TRect R, int32_t Dx, int32_t Dy) {
    return {R.Left + Dx, R.Top + Dy, R.Right + Dx, R.Bottom + Dy};
}

} // namespace

TEST_F(HintWindowTest, NewWindowIsHiddenWithADisabledTimerAndTheApplicationsHintColour) {
    TKwHintWindow w(nullptr);
    EXPECT_EQ(w.Interval(), 1000);
    ASSERT_NE(w.Timer(), nullptr);
    EXPECT_FALSE(w.Timer()->Enabled());
    EXPECT_EQ(w.Color(), Application().HintColor());
    EXPECT_FALSE(w.Activating());
    EXPECT_FALSE(w.HandleAllocated());
    EXPECT_EQ(Loop().ActiveTimerCount(), 0);

    Application().SetHintColor(clYellow);
    TKwHintWindow yellow(nullptr);
    EXPECT_EQ(yellow.Color(), clYellow);
}

TEST_F(HintWindowTest, HidesItselfAfterTheIntervalAndDisablesTheTimer) {
    TKwHintWindow w(nullptr);
    const TRect r(10, 20, 110, 40);
    w.ActivateHint(r, "Saves the file");
    EXPECT_TRUE(w.IsWindowVisible());
    EXPECT_EQ(w.BoundsRect(), r);
    EXPECT_EQ(w.Caption(), "Saves the file");
    EXPECT_TRUE(w.Timer()->Enabled());

    Loop().ProcessMessages(); // no time has passed
    Loop().AdvanceClock(999);
    EXPECT_TRUE(w.IsWindowVisible());
    Loop().AdvanceClock(1);
    EXPECT_FALSE(w.IsWindowVisible());
    EXPECT_FALSE(w.Timer()->Enabled());
    EXPECT_TRUE(w.HandleAllocated()); // hidden, not destroyed

    // Shown again: a new countdown of the current interval.
    w.SetInterval(250);
    w.ActivateHint(r, "again");
    Loop().AdvanceClock(249);
    EXPECT_TRUE(w.IsWindowVisible());
    Loop().AdvanceClock(1);
    EXPECT_FALSE(w.IsWindowVisible());
}

TEST_F(HintWindowTest, ASecondActivationMovesTheHintButKeepsTheCountdown) {
    TKwHintWindow w(nullptr);
    w.ActivateHint(TRect(0, 0, 50, 20), "first");
    Loop().AdvanceClock(600);
    const TRect moved(300, 200, 380, 230);
    w.ActivateHint(moved, "second");
    EXPECT_EQ(w.BoundsRect(), moved);
    EXPECT_EQ(w.Caption(), "second");
    ASSERT_FALSE(PaintedTexts(w).empty());
    EXPECT_EQ(PaintedTexts(w).back().Text, "second");

    Loop().AdvanceClock(400);
    EXPECT_FALSE(w.IsWindowVisible());
}

TEST_F(HintWindowTest, HideHint) {
    // Before the window ever existed: nothing happens, no window is made.
    TKwHintWindow w(nullptr);
    w.HideHint();
    EXPECT_FALSE(w.HandleAllocated());
    EXPECT_EQ(w.PaintCount(), 0);

    // Hiding directly leaves the timer running; its tick only disables it.
    w.ActivateHint(TRect(0, 0, 40, 20), "x");
    Loop().AdvanceClock(300);
    w.HideHint();
    EXPECT_FALSE(w.IsWindowVisible());
    EXPECT_TRUE(w.Timer()->Enabled());
    // Shown again before that tick: the running countdown is not prolonged.
    Loop().AdvanceClock(300);
    w.ActivateHint(TRect(0, 0, 40, 20), "y");
    Loop().AdvanceClock(399);
    EXPECT_TRUE(w.IsWindowVisible());
    Loop().AdvanceClock(1);
    EXPECT_FALSE(w.IsWindowVisible());
    EXPECT_FALSE(w.Timer()->Enabled());
}

TEST_F(HintWindowTest, CalcHintRectWrapsBetweenWordsAndTakesAmpersandsLiterally) {
    TKwHintWindow w(nullptr);
    // One line: the text's width and height plus the 6 and 2 pixels of margin.
    const TRect one = w.CalcHintRect(1000, "a&&b c", nullptr);
    const int32_t advance = Recording(w).CharAdvance();
    const int32_t line = Recording(w).TextHeight("x");
    EXPECT_EQ(one, TRect(0, 0, 6 * advance + 6, line + 2));

    // "alpha beta gamma" in ten characters' width: "alpha beta" / "gamma".
    const TRect two = w.CalcHintRect(10 * advance, "alpha beta gamma", nullptr);
    EXPECT_EQ(two, TRect(0, 0, 10 * advance + 6, 2 * line + 2));

    // The window's font, not the canvas's, is measured.
    w.Font().SetHeight(-30);
    const TRect big = w.CalcHintRect(1000, "a&&b c", nullptr);
    EXPECT_GT(big.Right, one.Right);
    EXPECT_GT(big.Bottom, one.Bottom);
}

TEST_F(HintWindowTest, ActivateAtAPointPlacesTheCalculatedRectangleThere) {
    TKwHintWindow w(nullptr);
    const std::string text = "Opens a new window with the same document in it";
    const TRect calc = w.CalcHintRect(Screen().Width(), text, nullptr);
    w.ActivateHint(TPoint(100, 50), text);
    EXPECT_EQ(w.BoundsRect(), Offset(calc, 100, 50));
    EXPECT_TRUE(w.Timer()->Enabled());

    // The screen's width limits the line length.
    Screen().SetSize(20 * Recording(w).CharAdvance(), 1080);
    w.ActivateHint(TPoint(0, 0), text);
    EXPECT_LE(w.Width(), Screen().Width() + 6);
    EXPECT_GT(w.Height(), calc.Height());
}

TEST_F(HintWindowTest, ARectangleOffTheScreenIsMovedBackOnIt) {
    Screen().SetSize(800, 600);
    TKwHintWindow w(nullptr);
    w.ActivateHint(TRect(780, 590, 880, 620), "edge");
    EXPECT_EQ(w.BoundsRect(), TRect(700, 570, 800, 600));
    // Larger than the screen: kept at the top-left corner, not pushed past it.
    w.ActivateHint(TRect(100, 100, 1000, 800), "huge");
    EXPECT_EQ(w.BoundsRect(), TRect(0, 0, 900, 700));
}

TEST_F(HintWindowTest, PaintDrawsTheCaptionWrappedWithoutPrefixesInTheWindowsFont) {
    TKwHintWindow w(nullptr);
    w.Font().SetHeight(-16);
    const TRect r(40, 30, 140, 70);
    w.ActivateHint(r, "Copy & paste");
    EXPECT_EQ(w.PaintCount(), 1);

    const std::vector<TCanvasCall> texts = PaintedTexts(w);
    ASSERT_EQ(texts.size(), 1u) << Recording(w).ToString();
    // Client coordinates: the text starts 2 pixels in.
    EXPECT_EQ(texts[0].Args,
              (std::vector<int32_t>{2, 2, r.Width(), r.Height(),
                                    static_cast<int32_t>(DT_WORDBREAK | DT_NOPREFIX)}));
    EXPECT_EQ(texts[0].Text, "Copy & paste");
    EXPECT_EQ(texts[0].Font.Height, -16);
    EXPECT_EQ(texts[0].Font.Color, clInfoText);

    // The background is filled with the window's colour before the text.
    const std::vector<std::string> names = Recording(w).Names();
    const auto fill = std::find(names.begin(), names.end(), "FillRect");
    ASSERT_NE(fill, names.end());
    const TCanvasCall& fillCall = Recording(w).Calls()[fill - names.begin()];
    EXPECT_EQ(fillCall.Args, (std::vector<int32_t>{0, 0, r.Width(), r.Height()}));
    EXPECT_EQ(fillCall.Brush.Color, w.Color());

    // The caption is drawn up to its first NUL character.
    w.SetCaption(std::string("shown\0hidden", 12));
    ASSERT_EQ(w.Caption().size(), 12u);
    EXPECT_EQ(PaintedTexts(w).back().Text, "shown");

    // Right-to-left reading adds its flag, when measuring and when painting.
    Recording(w).Clear();
    w.SetBiDiMode(bdRightToLeft);
    w.ActivateHint(TPoint(0, 0), "abc");
    for (const TCanvasCall& c : Recording(w).CallsNamed("DrawText"))
        EXPECT_TRUE(static_cast<uint32_t>(c.Args[4]) & DT_RTLREADING) << c;
}

TEST_F(HintWindowTest, PaintsOncePerActivationAndAgainOnlyForVisibleChanges) {
    TKwHintWindow w(nullptr);
    w.SetCaption("hidden change");
    EXPECT_EQ(w.PaintCount(), 0);
    w.ActivateHint(TRect(0, 0, 60, 20), "one");
    EXPECT_EQ(w.PaintCount(), 1); // caption, bounds and showing, painted once
    w.SetCaption("two");
    EXPECT_EQ(w.PaintCount(), 2);
    EXPECT_EQ(PaintedTexts(w).back().Text, "two");
    w.HideHint();
    w.SetCaption("three");
    w.Font().SetHeight(-20);
    EXPECT_EQ(w.PaintCount(), 2);
}

namespace {

// Activates another hint from inside the paint of the first.
class TReenteringHintWindow : public TKwHintWindow {
public:
    using TKwHintWindow::TKwHintWindow;
    bool ActivatingDuringPaint = false;

protected:
    void Paint() override {
        ActivatingDuringPaint = Activating();
        ActivateHint(TRect(500, 500, 600, 600), "inner");
        TKwHintWindow::Paint();
    }
};

} // namespace

TEST_F(HintWindowTest, AnActivationDuringAnotherIsIgnored) {
    TReenteringHintWindow w(nullptr);
    w.ActivateHint(TRect(0, 0, 80, 20), "outer");
    EXPECT_TRUE(w.ActivatingDuringPaint);
    EXPECT_FALSE(w.Activating());
    EXPECT_EQ(w.Caption(), "outer");
    EXPECT_EQ(w.BoundsRect(), TRect(0, 0, 80, 20));
}

TEST_F(HintWindowTest, AFailingPlatformActivationClearsTheGuard) {
    TKwHintWindow w(nullptr);
    Recording(w).FailOn("DrawText");
    EXPECT_THROW(w.ActivateHint(TRect(0, 0, 80, 20), "boom"), Exception);
    EXPECT_FALSE(w.Activating());

    Recording(w).FailOn("");
    w.ActivateHint(TRect(0, 0, 80, 20), "works");
    ASSERT_FALSE(PaintedTexts(w).empty());
    EXPECT_EQ(PaintedTexts(w).back().Text, "works");

    // A surface that cannot be made fails the same way.
    Application().SetWindowSurfaceFactory(
        []() -> std::unique_ptr<TWindowSurface> { throw Exception("no surface"); });
    TKwHintWindow noSurface(nullptr);
    EXPECT_THROW(noSurface.ActivateHint(TRect(0, 0, 10, 10), "x"), Exception);
    EXPECT_FALSE(noSurface.Activating());
}

TEST_F(HintWindowTest, IntervalIsTheTimersAndRefusesNegativeValues) {
    TKwHintWindow w(nullptr);
    w.SetInterval(40);
    EXPECT_EQ(w.Timer()->Interval(), 40u);
    EXPECT_THROW(w.SetInterval(-1), ERangeError);
    EXPECT_EQ(w.Interval(), 40);
}

TEST_F(HintWindowTest, FreeingTheWindowOrItsTimerIsSafe) {
    // Freed while counting down: the timer leaves the loop with it.
    auto* w = new TKwHintWindow(nullptr);
    w->ActivateHint(TRect(0, 0, 40, 20), "x");
    EXPECT_EQ(Loop().ActiveTimerCount(), 1);
    delete w;
    EXPECT_EQ(Loop().ActiveTimerCount(), 0);
    Loop().AdvanceClock(2000);

    // Owned: the owner frees it.
    {
        TComponent owner;
        auto* owned = new TKwHintWindow(&owner);
        owned->ActivateHint(TRect(0, 0, 40, 20), "x");
        EXPECT_EQ(owner.ComponentCount(), 1);
    }
    EXPECT_EQ(Loop().ActiveTimerCount(), 0);

    // Someone frees the timer: the window forgets it and still shows hints.
    TKwHintWindow keeper(nullptr);
    delete keeper.Timer();
    EXPECT_EQ(keeper.Timer(), nullptr);
    EXPECT_EQ(keeper.ComponentCount(), 0);
    keeper.ActivateHint(TRect(0, 0, 40, 20), "still works");
    EXPECT_TRUE(keeper.IsWindowVisible());
}

TEST_F(HintWindowTest, PublishedPropertiesRoundTrip) {
    TKwHintWindow defaults(nullptr);
    const std::string plain = ObjectToPropertyText(defaults);
    EXPECT_EQ(plain.find("Interval"), std::string::npos) << plain;
    EXPECT_NE(plain.find("Color"), std::string::npos) << plain;

    TKwHintWindow w(nullptr);
    w.SetInterval(2500);
    w.SetCaption("Stream me");
    w.SetColor(clAqua);
    w.SetBiDiMode(bdRightToLeftReadingOnly);
    w.Font().SetHeight(-21);
    const std::string text = ObjectToPropertyText(w);

    TKwHintWindow back(nullptr);
    PropertyTextToObject(text, back);
    EXPECT_EQ(back.Interval(), 2500);
    EXPECT_EQ(back.Caption(), "Stream me");
    EXPECT_EQ(back.Color(), clAqua);
    EXPECT_EQ(back.BiDiMode(), bdRightToLeftReadingOnly);
    EXPECT_EQ(back.Font().Height(), -21);
    EXPECT_FALSE(back.HandleAllocated());
}
