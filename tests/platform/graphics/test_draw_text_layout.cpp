// SPDX-License-Identifier: MIT
// The DrawText layout shared by all canvases, observed through the recording canvas: a
// test canvas lets the layout paint, so every laid-out line shows up as a TextOut.
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw::platform;

namespace {

// Lays text out like a drawing canvas instead of recording one DrawText call.
class TLayoutCanvas : public TRecordingCanvas {
protected:
    int32_t DoDrawText(std::string_view Text, TRect& Rect, uint32_t Flags) override {
        return TCanvas::DoDrawText(Text, Rect, Flags);
    }
};

// "text@x,y" for every line drawn.
std::vector<std::string> Lines(const TRecordingCanvas& C) {
    std::vector<std::string> out;
    for (const TCanvasCall& call : C.Calls())
        out.push_back(call.Text + "@" + std::to_string(call.Args[0]) + "," +
                      std::to_string(call.Args[1]));
    return out;
}

using Strings = std::vector<std::string>;

} // namespace

// Model: 6 pixels a character, 15 pixels a line.
TEST(DrawTextLayout, LineBreaksAndWordWrap) {
    TLayoutCanvas c;
    TRect r(0, 0, 60, 100); // ten characters wide
    EXPECT_EQ(c.DrawText("one\r\ntwo\rthree\nfour", r, 0), 60);
    EXPECT_EQ(Lines(c), (Strings{"one@0,0", "two@0,15", "three@0,30", "four@0,45"}));

    c.Clear();
    EXPECT_EQ(c.DrawText("the quick brown fox jumps", r, DT_WORDBREAK), 45);
    EXPECT_EQ(Lines(c), (Strings{"the quick@0,0", "brown fox@0,15", "jumps@0,30"}));

    // A word wider than the rectangle keeps a line of its own, unbroken.
    c.Clear();
    c.DrawText("a extraordinarily b", r, DT_WORDBREAK);
    EXPECT_EQ(Lines(c), (Strings{"a@0,0", "extraordinarily@0,15", "b@0,30"}));

    // Single line: breaks become spaces and wrapping is off.
    c.Clear();
    c.DrawText("one\ntwo", r, DT_SINGLELINE);
    EXPECT_EQ(Lines(c), (Strings{"one two@0,0"}));
}

TEST(DrawTextLayout, AlignmentAndVerticalPlacementOfSingleLines) {
    TLayoutCanvas c;
    TRect r(10, 20, 70, 80);
    c.DrawText("abcd", r, DT_CENTER);
    c.DrawText("abcd", r, DT_RIGHT);
    EXPECT_EQ(c.DrawText("ab", r, DT_SINGLELINE | DT_VCENTER), 37); // offset 22 + 15
    EXPECT_EQ(c.DrawText("ab", r, DT_SINGLELINE | DT_BOTTOM), 60);
    // Vertical placement needs a single line; multi-line text stays at the top.
    c.DrawText("ab", r, DT_VCENTER);
    EXPECT_EQ(Lines(c), (Strings{"abcd@28,20", "abcd@46,20", "ab@10,42", "ab@10,65", "ab@10,20"}));
}

TEST(DrawTextLayout, PrefixesAndMeasuring) {
    TLayoutCanvas c;
    TRect r(5, 5, 100, 100);
    c.DrawText("&File && &Edit&", r, 0);
    c.DrawText("&File", r, DT_NOPREFIX);
    EXPECT_EQ(Lines(c), (Strings{"File & Edit@5,5", "&File@5,5"}));

    c.Clear();
    TRect calc(5, 5, 35, 5); // five characters wide
    EXPECT_EQ(c.DrawText("aa bb cc dddddddd", calc, DT_CALCRECT | DT_WORDBREAK), 45);
    EXPECT_TRUE(c.Calls().empty()) << c.ToString();
    EXPECT_EQ(calc, TRect(5, 5, 5 + 48, 50));

    TRect empty(1, 2, 30, 40);
    EXPECT_EQ(c.DrawText("", empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty, TRect(1, 2, 1, 2));
}

TEST(DrawTextLayout, RecordingCanvasRecordsOneCallAndStillMeasures) {
    TRecordingCanvas c;
    TRect r(0, 0, 60, 0);
    EXPECT_EQ(c.DrawText("the quick brown", r, DT_WORDBREAK | DT_CALCRECT), 30);
    EXPECT_EQ(r.Bottom, 30);
    ASSERT_EQ(c.Calls().size(), 1u);
    EXPECT_EQ(c.Calls()[0].Name, "DrawText");
    EXPECT_EQ(c.Calls()[0].Args,
              (std::vector<int32_t>{0, 0, 60, 0, int32_t(DT_WORDBREAK | DT_CALCRECT)}));
}
