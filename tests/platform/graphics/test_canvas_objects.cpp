// SPDX-License-Identifier: MIT
// Pen, brush and font: change notification, assignment, the Size/Height pair, the
// logical-font record.
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/Brush.h"
#include "kwgfx/platform/graphics/Font.h"
#include "kwgfx/platform/graphics/Pen.h"
#include "kwgfx/platform/streams/ObjectStreaming.h"

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(CanvasObjects, ChangeFiresOnlyForRealChangesAndAssignCopiesValues) {
    TPen pen;
    int changes = 0;
    pen.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &pen);
        ++changes;
    };
    pen.SetColor(clBlack); // the default: no change
    pen.SetWidth(3);
    pen.SetStyle(psClear);
    EXPECT_EQ(changes, 2);

    TPen saved;
    saved.Assign(pen);
    EXPECT_EQ(saved.Width(), 3);
    EXPECT_EQ(saved.Style(), psClear);
    pen.SetWidth(1);
    pen.SetStyle(psSolid);
    changes = 0;
    pen.Assign(saved);
    EXPECT_EQ(changes, 1);
    pen.Assign(saved);
    EXPECT_EQ(changes, 1);

    TBrush brush, copy;
    brush.SetColor(clRed);
    brush.SetStyle(bsClear);
    copy.Assign(brush);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Style(), bsClear);
    EXPECT_THROW(brush.Assign(pen), EAssignError);
    EXPECT_EQ(brush.Color(), clRed);

    // The ordinals that stored values and callers depend on.
    EXPECT_EQ(int(psClear), 5);
    EXPECT_EQ(int(bsClear), 1);
    EXPECT_EQ(int(bsDiagCross), 7);
}

TEST(CanvasObjects, FontSizeAndHeightStayConsistentAt96Dpi) {
    TFont f;
    EXPECT_EQ(f.Name(), "Default");
    EXPECT_EQ(f.FaceName(), "DejaVu Sans");
    EXPECT_EQ(f.Size(), 9);
    EXPECT_EQ(f.Height(), -12);
    f.SetSize(12);
    EXPECT_EQ(f.Height(), -16);
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -11); // 10.67 rounds to 11
    f.SetHeight(-11);
    EXPECT_EQ(f.Size(), 8); // 8.25
    f.SetHeight(-13);
    EXPECT_EQ(f.Size(), 10); // 9.75
    f.SetHeight(20);         // a cell height: the size turns negative
    EXPECT_EQ(f.Size(), -15);

    f.SetName("dEfAuLt");
    EXPECT_EQ(f.FaceName(), "DejaVu Sans");
    f.SetName("Liberation Serif");
    EXPECT_EQ(f.FaceName(), "Liberation Serif");

    EXPECT_EQ(MulDiv(1, 1, 2), 1); // halves round away from zero
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(3, 5, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 4, 2), 2147483647);
}

namespace {

// A font that follows its own changes, as a derived font class does.
class TWatchingFont : public TFont {
public:
    int Seen = 0;
    void Changed() override {
        ++Seen;
        TFont::Changed();
    }
};

} // namespace

TEST(CanvasObjects, FontChangedIsVirtualAndFiresOnChangeOncePerChange) {
    TWatchingFont f;
    int events = 0;
    f.OnChange = [&](TObject*) { ++events; };
    f.SetStyle({fsBold, fsUnderline});
    EXPECT_EQ(f.Style().ToBits(), 5);
    f.SetStyle({fsUnderline, fsBold});
    f.SetColor(clRed);
    f.SetSize(9); // unchanged
    EXPECT_EQ(f.Seen, 2);
    EXPECT_EQ(events, 2);

    TFont other;
    other.SetName("Serif");
    other.SetSize(20);
    other.SetOrientation(450);
    f.Assign(other);
    EXPECT_EQ(f.Seen, 3); // once for the whole assignment
    EXPECT_EQ(f.Name(), "Serif");
    EXPECT_EQ(f.Size(), 20);
    EXPECT_EQ(f.Orientation(), 450);
    EXPECT_EQ(f.Color(), other.Color());
    EXPECT_FALSE(other.OnChange); // handlers are not copied
}

TEST(CanvasObjects, LogicalFontRoundTrip) {
    TFont f;
    f.SetHeight(-16);
    f.SetStyle({fsBold, fsItalic, fsStrikeOut});
    f.SetCharset(SYMBOL_CHARSET);
    f.SetPitch(fpFixed);
    f.SetOrientation(-300);
    f.SetColor(clRed);
    f.SetName("A face name that is much longer than thirty-one characters");
    TLogFont lf = f.LogFont();
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(lf.lfCharSet, SYMBOL_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily, FIXED_PITCH);
    EXPECT_EQ(lf.lfEscapement, -300);
    EXPECT_EQ(lf.lfOrientation, -300);
    EXPECT_EQ(lf.lfFaceName, "A face name that is much longer");
    EXPECT_EQ(lf.lfFaceName.size(), 31u);

    // Handing a record back: a rotated copy, as font rotation does.
    TWatchingFont g;
    lf.lfEscapement = lf.lfOrientation = 450;
    lf.lfWeight = 600;
    lf.lfPitchAndFamily = VARIABLE_PITCH | 0x20; // family bits are ignored
    lf.lfFaceName = "Serif";
    g.SetLogFont(lf);
    EXPECT_EQ(g.Seen, 1);
    EXPECT_EQ(g.Orientation(), 450);
    EXPECT_EQ(g.Style(), (TFontStyles{fsBold, fsItalic, fsStrikeOut}));
    EXPECT_EQ(g.Pitch(), fpVariable);
    EXPECT_EQ(g.Height(), -16);
    EXPECT_EQ(g.Name(), "Serif");
    EXPECT_EQ(g.Color(), clWindowText); // not part of the record
    EXPECT_EQ(g.LogFont().lfEscapement, 450);

    // Cutting counts characters, not bytes.
    TFont u;
    u.SetName(std::string(40, 'x') + "\xC3\xA9");
    EXPECT_EQ(u.LogFont().lfFaceName, std::string(31, 'x'));
    u.SetName(std::string(30, 'x') + "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(u.LogFont().lfFaceName, std::string(30, 'x') + "\xC3\xA9");
}

TEST(CanvasObjects, FontStreamsItsChangedPropertiesAndReadsThemBack) {
    TFont f;
    EXPECT_EQ(ObjectToPropertyText(f).find("Height"), std::string::npos);
    f.SetName("Serif");
    f.SetSize(14);
    f.SetStyle({fsItalic, fsStrikeOut});
    f.SetPitch(fpFixed);
    f.SetOrientation(900);
    f.SetColor(clRed);
    const std::string text = ObjectToPropertyText(f);
    EXPECT_EQ(text.find("Size"), std::string::npos) << text; // Height carries it
    EXPECT_EQ(text.find("Charset"), std::string::npos) << text;

    TFont g;
    PropertyTextToObject(text, g);
    EXPECT_EQ(g.Name(), "Serif");
    EXPECT_EQ(g.Size(), 14);
    EXPECT_EQ(g.Style(), (TFontStyles{fsItalic, fsStrikeOut}));
    EXPECT_EQ(g.Pitch(), fpFixed);
    EXPECT_EQ(g.Orientation(), 900);
    EXPECT_EQ(g.Color(), clRed);

    TPen pen, pen2;
    pen.SetStyle(psDashDot);
    pen.SetWidth(3);
    PropertyTextToObject(ObjectToPropertyText(pen), pen2);
    EXPECT_EQ(pen2.Style(), psDashDot);
    EXPECT_EQ(pen2.Width(), 3);
}
