// SPDX-License-Identifier: MIT
// The recording canvas: what it records, the state it snapshots, its text model and its
// text form.
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace kw::platform;

namespace {

class TFixedGraphic : public TGraphic {
public:
    int32_t Width() const override { return 7; }
    int32_t Height() const override { return 3; }
    void ReadPixels(std::span<uint32_t>) const override {}
};

} // namespace

TEST(RecordingCanvas, RecordsCallsWithTheStateOfTheirTime) {
    TRecordingCanvas c;
    c.Pen().SetColor(clRed);
    c.MoveTo(1, 2);
    c.Pen().SetWidth(4);
    c.LineTo(5, 6);
    c.Brush().SetStyle(bsClear);
    c.Rectangle(TRect(0, 0, 10, 10));
    const TPoint pts[] = {{1, 1}, {2, 3}};
    c.Polygon(pts);
    c.Pie(0, 0, 8, 8, 8, 4, 4, 0);
    c.Draw(3, 4, TFixedGraphic());
    c.StretchDraw({0, 0, 14, 6}, TFixedGraphic());

    ASSERT_EQ(c.Names(), (std::vector<std::string>{"MoveTo", "LineTo", "Rectangle", "Polygon",
                                                   "Pie", "Draw", "StretchDraw"}))
        << c.ToString();
    const auto& calls = c.Calls();
    EXPECT_EQ(calls[0].Pen, (TPenValues{clRed, psSolid, 1}));
    EXPECT_EQ(calls[1].Args, (std::vector<int32_t>{5, 6}));
    EXPECT_EQ(calls[1].PenPos, TPoint(1, 2));
    EXPECT_EQ(calls[1].Pen.Width, 4);
    EXPECT_EQ(calls[1].Brush, (TBrushValues{clWhite, bsSolid}));
    EXPECT_EQ(calls[2].Brush.Style, bsClear);
    EXPECT_EQ(calls[2].Args, (std::vector<int32_t>{0, 0, 10, 10}));
    EXPECT_EQ(calls[3].Points, (std::vector<TPoint>{{1, 1}, {2, 3}}));
    EXPECT_EQ(calls[4].Args, (std::vector<int32_t>{0, 0, 8, 8, 8, 4, 4, 0}));
    EXPECT_EQ(calls[5].Args, (std::vector<int32_t>{3, 4, 7, 3}));
    EXPECT_EQ(calls[6].Args, (std::vector<int32_t>{0, 0, 14, 6, 7, 3}));
    EXPECT_EQ(c.PenPos(), TPoint(5, 6));
    EXPECT_EQ(c.CallsNamed("Pie").size(), 1u);

    c.Clear();
    EXPECT_TRUE(c.Calls().empty());
}

TEST(RecordingCanvas, TextModelAndTextCalls) {
    TRecordingCanvas c;
    EXPECT_EQ(c.EmPixels(), 12);
    EXPECT_EQ(c.TextWidth("abc"), 18);
    EXPECT_EQ(c.TextWidth("\xC3\xA4"
                          "b"),
              12); // two characters, three bytes
    EXPECT_EQ(c.TextHeight(""), 15);
    EXPECT_EQ(c.GetTextMetrics().tmAscent + c.GetTextMetrics().tmDescent, 15);
    c.Font().SetHeight(9); // a positive height counts the same
    EXPECT_EQ(c.TextExtent("ab").cx, 8);
    EXPECT_EQ(c.TextExtent("ab").cy, 11);
    c.Font().SetHeight(-1);
    EXPECT_EQ(c.TextWidth("ab"), 2); // never less than a pixel a character

    c.Font().SetSize(12);
    c.Font().SetColor(clRed);
    c.TextOut(10, 20, "Hi");
    ASSERT_EQ(c.Calls().size(), 1u) << "measuring must not be recorded";
    EXPECT_EQ(c.Calls()[0].Text, "Hi");
    EXPECT_EQ(c.Calls()[0].Font.Height, -16);
    EXPECT_EQ(c.Calls()[0].Font.Color, clRed);
    EXPECT_EQ(c.PenPos(), TPoint(10 + 2 * 8, 20));

    // Bitmap faces lack the scalable-outline bits.
    EXPECT_TRUE(c.GetTextMetrics().tmPitchAndFamily & TMPF_TRUETYPE);
    c.AddBitmapFace("Fixedsys");
    c.Font().SetName("FIXEDSYS");
    EXPECT_FALSE(c.GetTextMetrics().tmPitchAndFamily & TMPF_TRUETYPE);
}

TEST(RecordingCanvas, GradientFillChecksIndicesBeforeRecording) {
    TRecordingCanvas c;
    const TTriVertex v[] = {{0, 0, 0xFF00, 0, 0, 0}, {9, 0, 0, 0, 0, 0}, {0, 9, 0, 0, 0, 0}};
    const TGradientTriangle good[] = {{0, 1, 2}};
    const TGradientTriangle bad[] = {{0, 1, 3}};
    EXPECT_FALSE(c.GradientFill(v, bad));
    EXPECT_TRUE(c.Calls().empty());
    EXPECT_TRUE(c.GradientFill(v, good));
    ASSERT_EQ(c.Calls().size(), 1u);
    EXPECT_EQ(c.Calls()[0].Vertices.size(), 3u);
    EXPECT_EQ(c.Calls()[0].Triangles[0], (TGradientTriangle{0, 1, 2}));
}

TEST(RecordingCanvas, FailOnRecordsThenThrows) {
    TRecordingCanvas c;
    c.FailOn("FillRect");
    c.Rectangle(0, 0, 1, 1);
    EXPECT_THROW(c.FillRect({0, 0, 2, 2}), Exception);
    EXPECT_EQ(c.Names(), (std::vector<std::string>{"Rectangle", "FillRect"}));
    c.FailOn("");
    EXPECT_NO_THROW(c.FillRect({0, 0, 2, 2}));
}

TEST(RecordingCanvas, PrintsOneReadableLinePerCall) {
    TRecordingCanvas c;
    c.MoveTo(1, 2);
    c.LineTo(3, 4);
    c.Brush().SetStyle(bsClear);
    c.TextOut(0, 0, "a\"b\n");
    const TPoint pts[] = {{1, 2}, {3, 4}};
    c.Polyline(pts);
    EXPECT_EQ(c.ToString(),
              "MoveTo(1, 2) pen{$00000000 psSolid 1} brush{$00FFFFFF bsSolid}\n"
              "LineTo(3, 4) from 1,2 pen{$00000000 psSolid 1} brush{$00FFFFFF bsSolid}\n"
              "TextOut(\"a\\\"b\\n\", 0, 0) pen{$00000000 psSolid 1} brush{$00FFFFFF bsClear} "
              "font{\"Default\" h-12 style0 $FF000008 orient0}\n"
              "Polyline([1,2 3,4]) pen{$00000000 psSolid 1} brush{$00FFFFFF bsClear}\n");
}
