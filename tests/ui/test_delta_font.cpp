// SPDX-License-Identifier: MIT
// The delta font: recording differences from the base font, taking over the others,
// the re-entry guard, and streaming Deltas.
#include "kwgfx/KwDeltaFont.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace kw;
using namespace kw::platform;

namespace {

// A delta font whose owner supplies Base as the base font.
struct TOwner {
    TFont Base;
    TKwDeltaFont Font;
    int BaseRequests = 0;
    TOwner() {
        Font.SetOnGetOriginalFont([this](TObject* Sender, const TFont*& Original) {
            EXPECT_EQ(Sender, &Font);
            ++BaseRequests;
            Original = &Base;
        });
    }
};

} // namespace

TEST(DeltaAttributes, OneByteWithBitNForOrdinalN) {
    EXPECT_EQ(sizeof(TDeltaAttributes), 1u);
    EXPECT_EQ((TDeltaAttributes{daBold}).ToBits(), 1);
    EXPECT_EQ((TDeltaAttributes{daFace, daSize}).ToBits(), 4 | 16);
    EXPECT_EQ((TDeltaAttributes{daUnderline, daStrikeOut}).ToBits(), 64 | 32);
    TDeltaAttributes s{daColor, daItalic};
    s.Exclude(daColor);
    EXPECT_EQ(s, TDeltaAttributes{daItalic});
    EXPECT_TRUE(TDeltaAttributes().IsEmpty());
}

TEST(DeltaFont, NewFontHasNoDeltasAndStoresNone) {
    TKwDeltaFont font;
    EXPECT_TRUE(font.Deltas().IsEmpty());
    EXPECT_FALSE(font.IsDeltasStored());
    EXPECT_EQ(ObjectToPropertyText(font).find("Deltas"), std::string::npos);
}

TEST(DeltaFont, ChangesOfItsOwnBecomeDeltasAndVanishWhenUndone) {
    TOwner o;
    o.Font.SetStyle({fsBold});
    EXPECT_EQ(o.Font.Deltas(), TDeltaAttributes{daBold});
    o.Font.SetStyle({});
    EXPECT_TRUE(o.Font.Deltas().IsEmpty());

    o.Font.SetStyle({fsItalic, fsStrikeOut, fsUnderline});
    o.Font.SetColor(clRed);
    o.Font.SetSize(20);
    EXPECT_EQ(o.Font.Deltas(),
              (TDeltaAttributes{daItalic, daStrikeOut, daUnderline, daColor, daSize}));
}

TEST(DeltaFont, FaceNamesCompareCaseSensitivelyAndSizeInPoints) {
    TOwner o;
    o.Base.SetName("DejaVu Sans");
    o.Font.SetName("dejavu sans");
    EXPECT_EQ(o.Font.Deltas(), TDeltaAttributes{daFace});
    o.Font.SetName("DejaVu Sans");
    EXPECT_TRUE(o.Font.Deltas().IsEmpty());

    // Heights -15 and -14 are 11.25 and 10.5 points, both 11 in whole points: the same
    // Size, so no delta although the heights differ.
    o.Base.SetHeight(-15);
    o.Font.SetHeight(-14);
    EXPECT_EQ(o.Base.Size(), o.Font.Size());
    EXPECT_TRUE(o.Font.Deltas().IsEmpty());
    o.Font.SetHeight(-17);
    EXPECT_EQ(o.Font.Deltas(), TDeltaAttributes{daSize});
}

TEST(DeltaFont, CharsetPitchOrientationAreNeverDeltas) {
    TOwner o;
    o.Font.SetCharset(SYMBOL_CHARSET);
    o.Font.SetPitch(fpFixed);
    o.Font.SetOrientation(900);
    EXPECT_TRUE(o.Font.Deltas().IsEmpty());
    EXPECT_GE(o.BaseRequests, 3);
}

TEST(DeltaFont, UpdateNonDeltaTakesOverAllButTheDeltas) {
    TOwner o;
    o.Font.SetStyle({fsBold});
    ASSERT_EQ(o.Font.Deltas(), TDeltaAttributes{daBold});
    o.Base.SetSize(12);
    o.Base.SetStyle({fsItalic});
    o.Base.SetColor(clNavy);
    o.Base.SetName("DejaVu Serif");
    int changes = 0;
    o.Font.OnChange = [&](TObject*) { ++changes; };
    o.Font.UpdateNonDelta();
    EXPECT_EQ(o.Font.Size(), 12);
    EXPECT_EQ(o.Font.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(o.Font.Color(), clNavy);
    EXPECT_EQ(o.Font.Name(), "DejaVu Serif");
    EXPECT_EQ(o.Font.Deltas(), TDeltaAttributes{daBold}) << "not recomputed during the update";
    EXPECT_EQ(changes, 4) << "style (once for all bits), colour, name and size";
    EXPECT_FALSE(o.Font.Updating());
}

TEST(DeltaFont, UpdateNonDeltaKeepsEveryDeltaAttribute) {
    TOwner o;
    o.Font.SetStyle({fsUnderline});
    o.Font.SetColor(clRed);
    o.Font.SetName("Mine");
    o.Font.SetSize(30);
    o.Base.SetStyle({fsBold, fsStrikeOut});
    o.Font.SetDeltas({daColor, daFace, daSize, daUnderline});
    o.Font.UpdateNonDelta();
    EXPECT_EQ(o.Font.Style(), (TFontStyles{fsBold, fsUnderline, fsStrikeOut}));
    EXPECT_EQ(o.Font.Color(), clRed);
    EXPECT_EQ(o.Font.Name(), "Mine");
    EXPECT_EQ(o.Font.Size(), 30);
}

TEST(DeltaFont, NoBaseFontMeansNothingHappens) {
    TKwDeltaFont alone;
    alone.SetStyle({fsBold});
    EXPECT_TRUE(alone.Deltas().IsEmpty());
    alone.UpdateNonDelta();
    alone.UpdateDeltas(nullptr);
    alone.UpdateNonDelta(nullptr);
    EXPECT_EQ(alone.Style(), TFontStyles{fsBold});

    // A handler that leaves the font empty.
    TKwDeltaFont empty;
    int asked = 0;
    empty.SetOnGetOriginalFont([&](TObject*, const TFont*&) { ++asked; });
    empty.SetDeltas({daColor});
    empty.SetColor(clRed);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(empty.Deltas(), TDeltaAttributes{daColor}) << "kept: nothing to compare with";
    empty.UpdateNonDelta();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(empty.Color(), clRed);
}

TEST(DeltaFont, SettingDeltasChangesNothingElseAndOnChangedIsOnlyStored) {
    TOwner o;
    int fontChanges = 0, changedCalls = 0;
    o.Font.OnChange = [&](TObject*) { ++fontChanges; };
    o.Font.SetOnChanged([&](TObject*) { ++changedCalls; });
    EXPECT_TRUE(static_cast<bool>(o.Font.GetOnChanged()));
    const TFontStyles style = o.Font.Style();
    o.Font.SetDeltas({daBold, daSize});
    EXPECT_EQ(o.Font.Deltas(), (TDeltaAttributes{daBold, daSize}));
    EXPECT_EQ(o.Font.Style(), style);
    EXPECT_EQ(fontChanges, 0);
    // Bits beyond the seven attributes are not kept.
    o.Font.SetDeltas(TDeltaAttributes::FromBits(0xFF));
    EXPECT_EQ(o.Font.Deltas().ToBits(), 0x7F);
    o.Font.SetDeltas(TDeltaAttributes::FromBits(0x80));
    EXPECT_FALSE(o.Font.IsDeltasStored());
    EXPECT_EQ(fontChanges, 0);
    o.Font.SetColor(clLime);
    EXPECT_EQ(fontChanges, 1);
    EXPECT_EQ(changedCalls, 0);
    EXPECT_EQ(o.Font.Deltas(), TDeltaAttributes{daColor});
}

TEST(DeltaFont, UpdatesDoNotReenterAndTheFlagResetsAfterAThrow) {
    TOwner o;
    // A change handler that changes the font again while the update runs.
    bool inside = false;
    o.Font.OnChange = [&](TObject*) {
        if (!o.Font.Updating() || inside) return;
        inside = true;
        o.Font.UpdateNonDelta(); // ignored: an update is running
        o.Font.UpdateDeltas(&o.Base);
        inside = false;
    };
    o.Font.SetDeltas({daBold});
    o.Base.SetColor(clPurple);
    o.Font.UpdateNonDelta();
    EXPECT_EQ(o.Font.Color(), clPurple);
    EXPECT_EQ(o.Font.Deltas(), TDeltaAttributes{daBold});

    // The first change notification throws: the update stops, the flag is cleared.
    o.Font.OnChange = [](TObject*) { throw std::runtime_error("handler failed"); };
    o.Base.SetColor(clOlive);
    o.Base.SetStyle({fsItalic});
    EXPECT_THROW(o.Font.UpdateNonDelta(), std::runtime_error);
    EXPECT_FALSE(o.Font.Updating());
    EXPECT_EQ(o.Font.Color(), clPurple) << "the step after the failing one did not run";
    o.Font.OnChange = nullptr;
    o.Font.UpdateNonDelta();
    EXPECT_EQ(o.Font.Color(), clOlive);
    // The deltas follow changes again.
    o.Font.SetName("Other");
    EXPECT_TRUE(o.Font.Deltas().Contains(daFace));
}

TEST(DeltaFont, DeltasStreamOnlyWhenSetAndReadBackAsWritten) {
    TOwner o;
    o.Font.SetStyle({fsBold});
    o.Font.SetSize(14);
    ASSERT_EQ(o.Font.Deltas(), (TDeltaAttributes{daBold, daSize}));
    const std::string text = ObjectToPropertyText(o.Font);
    EXPECT_NE(text.find("Deltas = [daBold, daSize]"), std::string::npos) << text;
    EXPECT_EQ(text.find("OnGetOriginalFont"), std::string::npos);

    // Read into a font whose base differs in other ways: the font's own properties come
    // first and would produce other deltas; the streamed value is what remains.
    TOwner other;
    other.Base.SetColor(clRed);
    PropertyTextToObject(text, other.Font);
    EXPECT_EQ(other.Font.Deltas(), (TDeltaAttributes{daBold, daSize}));
    EXPECT_EQ(other.Font.Size(), 14);
    EXPECT_EQ(other.Font.Style(), TFontStyles{fsBold});

    EXPECT_THROW(PropertyTextToObject("kwgfx-properties 1\nTKwDeltaFont {\n  Deltas = [daBig]\n}\n",
                                      other.Font),
                 EReadError);
}
