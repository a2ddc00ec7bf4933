// SPDX-License-Identifier: MIT
// RotateFont: the rotated logical font the font takes over, its face rules, and the
// screen device that answers whether a face is a scalable outline face.
#include "kwgfx/KwVclGraphics.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"
#include "kwgfx/platform/graphics/ScreenFont.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kw;
using namespace kw::platform;

namespace {

// Registers a screen device for one test and unregisters it afterwards.
class TScreenDevice {
public:
    TScreenDevice() { SetScreenCanvas(&Canvas); }
    ~TScreenDevice() { SetScreenCanvas(nullptr); }
    TRecordingCanvas Canvas;
};

} // namespace

TEST(RotateFont, EscapementIsTenthsOfADegreeRoundedHalfToEven) {
    const struct {
        float Angle;
        int32_t Tenths;
    } cases[] = {// 0.35f is 0.34999999..., so ten times it stays below 3.5 in double.
                 {45.0f, 450},   {0.25f, 2},   {0.75f, 8}, {0.35f, 3},
                 {-90.0f, -900}, {-0.25f, -2}, {0.0f, 0},  {400.0f, 4000}};
    for (const auto& k : cases) {
        TFont font;
        RotateFont(font, k.Angle);
        EXPECT_EQ(font.Orientation(), k.Tenths) << k.Angle;
        EXPECT_EQ(font.LogFont().lfEscapement, k.Tenths) << k.Angle;
        EXPECT_EQ(font.LogFont().lfOrientation, k.Tenths) << k.Angle;
    }
}

TEST(RotateFont, AnglesBeyondTheIntegerRangeSaturateAndNaNIsNoRotation) {
    TFont font;
    RotateFont(font, 1e30f);
    EXPECT_EQ(font.Orientation(), std::numeric_limits<int32_t>::max());
    RotateFont(font, -1e30f);
    EXPECT_EQ(font.Orientation(), std::numeric_limits<int32_t>::min());
    RotateFont(font, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(font.Orientation(), 0);
}

TEST(RotateFont, KeepsTheOtherAttributesAndNotifiesOnce) {
    TFont font;
    font.SetName("DejaVu Serif");
    font.SetHeight(-17);
    font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    font.SetColor(clTeal);
    font.SetCharset(SYMBOL_CHARSET);
    font.SetPitch(fpFixed);
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    RotateFont(font, 30);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Orientation(), 300);
    EXPECT_EQ(font.Name(), "DejaVu Serif");
    EXPECT_EQ(font.Height(), -17);
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic, fsUnderline, fsStrikeOut}));
    EXPECT_EQ(font.Color(), clTeal);
    EXPECT_EQ(font.Charset(), SYMBOL_CHARSET);
    EXPECT_EQ(font.Pitch(), fpFixed);
    // Rotating to the same angle again changes nothing.
    RotateFont(font, 30);
    EXPECT_EQ(changes, 1);
}

TEST(RotateFont, EveryPitchSurvivesTheRotation) {
    for (TFontPitch pitch : {fpDefault, fpVariable, fpFixed}) {
        TFont font;
        font.SetPitch(pitch);
        RotateFont(font, 15);
        EXPECT_EQ(font.Pitch(), pitch) << int(pitch);
        EXPECT_EQ(font.LogFont().lfPitchAndFamily & 3, pitch == fpVariable ? VARIABLE_PITCH
                                                       : pitch == fpFixed  ? FIXED_PITCH
                                                                           : 0);
    }
}

TEST(RotateFont, DefaultInAnyLetterCaseTakesTheDefaultFace) {
    for (const char* name : {"Default", "dEfAuLt", "DEFAULT"}) {
        TFont font;
        font.SetName(name);
        RotateFont(font, 90);
        EXPECT_EQ(font.Name(), DefaultFontFace) << name;
    }
    TFont near;
    near.SetName("Defaults");
    RotateFont(near, 90);
    EXPECT_EQ(near.Name(), "Defaults");
}

TEST(RotateFont, LongFaceNamesAreCutToThirtyOneCharacters) {
    TFont font;
    font.SetName("Ü123456789012345678901234567890XYZ");
    RotateFont(font, 10);
    EXPECT_EQ(font.Name(), "Ü123456789012345678901234567890");
}

TEST(RotateFont, BitmapFacesOnTheScreenDeviceBecomeArial) {
    TScreenDevice screen;
    screen.Canvas.AddBitmapFace("Terminal");
    screen.Canvas.Font().SetName("Screen font");
    TFont font;
    font.SetName("terminal");
    RotateFont(font, 90);
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Orientation(), 900);
    // The device's font was only borrowed for the question.
    EXPECT_EQ(screen.Canvas.Font().Name(), "Screen font");

    TFont outline;
    outline.SetName("DejaVu Sans Mono");
    RotateFont(outline, 90);
    EXPECT_EQ(outline.Name(), "DejaVu Sans Mono");
}

TEST(ScreenFont, WithoutADeviceEveryFaceIsScalable) {
    ASSERT_EQ(ScreenCanvas(), nullptr);
    TFont font;
    font.SetName("Terminal");
    font.SetHeight(-20);
    const TTextMetric tm = GetFontTextMetrics(font);
    EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_TRUETYPE);
    EXPECT_EQ(tm.tmAscent, 20);
}

TEST(ScreenFont, ADestroyedDeviceUnregistersItself) {
    {
        TRecordingCanvas device;
        device.AddBitmapFace("Terminal");
        SetScreenCanvas(&device);
        ASSERT_EQ(ScreenCanvas(), &device);
        TRecordingCanvas other;
    }
    EXPECT_EQ(ScreenCanvas(), nullptr);
    // The question goes to the text model again instead of the freed device.
    TFont font;
    font.SetName("Terminal");
    RotateFont(font, 90);
    EXPECT_EQ(font.Name(), "Terminal");
}
