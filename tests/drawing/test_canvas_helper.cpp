// SPDX-License-Identifier: MIT
// The canvas helper and CopyCanvasState, asserted on the recording canvas.
#include "kwgfx/drawing/VclCanvasHelper.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kw;
using platform::TCanvasCall;
using platform::TRecordingCanvas;

TEST(CanvasHelper, LinesAndPolygonsRoundHalfToEven) {
    TRecordingCanvas c;
    TVclCanvasHelper h(c);
    h.DrawLine(TKwPoint(0.5f, 1.5f), TKwPoint(2.5f, -0.5f));
    h.DrawLine(TPoint(3, 4), TPoint(5, 6));
    h.Polygon({{0.4f, 0.6f}, {2.5f, 3.5f}, {-1.5f, -2.5f}});
    h.Polyline({{9.49f, 9.51f}});
    ASSERT_EQ(c.Names(), (std::vector<std::string>{"MoveTo", "LineTo", "MoveTo", "LineTo",
                                                   "Polygon", "Polyline"}))
        << c.ToString();
    const auto& calls = c.Calls();
    EXPECT_EQ(calls[0].Args, (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(calls[1].Args, (std::vector<int32_t>{2, 0}));
    EXPECT_EQ(calls[2].Args, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(calls[3].Args, (std::vector<int32_t>{5, 6}));
    EXPECT_EQ(calls[4].Points, (std::vector<TPoint>{{0, 1}, {2, 4}, {-2, -2}}));
    EXPECT_EQ(calls[5].Points, (std::vector<TPoint>{{9, 10}}));

    // An empty list still reaches the canvas, as an empty call.
    c.Clear();
    h.Polygon({});
    ASSERT_EQ(c.Calls().size(), 1u);
    EXPECT_TRUE(c.Calls()[0].Points.empty());
}

TEST(CanvasHelper, PenWidthRoundsAndReadsBack) {
    TRecordingCanvas c;
    TVclCanvasHelper h(c);
    h.SetPenWidth(2.5f);
    EXPECT_EQ(c.Pen().Width(), 2);
    h.SetPenWidth(3.5f);
    EXPECT_EQ(c.Pen().Width(), 4);
    EXPECT_EQ(h.PenWidth(), 4.0f);
    h.SetPenWidth(1e12f);
    EXPECT_EQ(c.Pen().Width(), std::numeric_limits<int32_t>::max());
    EXPECT_THROW(h.SetPenWidth(std::nanf("")), platform::EInvalidOp);
}

TEST(CanvasHelper, CopyCanvasStateCopiesBrushThenPenThenFont) {
    TRecordingCanvas source, target;
    source.Brush().SetColor(platform::clRed);
    source.Brush().SetStyle(platform::bsClear);
    source.Pen().SetWidth(5);
    source.Font().SetName("Serif");
    source.Font().SetOrientation(900);

    std::vector<std::string> order;
    target.Brush().OnChange = [&](platform::TObject*) { order.push_back("brush"); };
    target.Pen().OnChange = [&](platform::TObject*) { order.push_back("pen"); };
    target.Font().OnChange = [&](platform::TObject*) { order.push_back("font"); };
    CopyCanvasState(target, source);
    EXPECT_EQ(order, (std::vector<std::string>{"brush", "pen", "font"}));
    EXPECT_EQ(target.Brush().Color(), platform::clRed);
    EXPECT_EQ(target.Brush().Style(), platform::bsClear);
    EXPECT_EQ(target.Pen().Width(), 5);
    EXPECT_EQ(target.Font().Name(), "Serif");
    EXPECT_EQ(target.Font().Orientation(), 900);
    EXPECT_TRUE(target.Calls().empty());
}
