// SPDX-License-Identifier: MIT
// Every drawing routine leaves the caller's pen, brush and font as it found them, also
// when a canvas call in the middle of it throws.
#include "kwgfx/drawing/Arrows.h"
#include "kwgfx/drawing/Frame3D.h"
#include "kwgfx/drawing/Gradients.h"
#include "kwgfx/drawing/PieSlice.h"
#include "kwgfx/drawing/Progress.h"
#include "kwgfx/drawing/Shapes.h"
#include "kwgfx/drawing/TextMeasure.h"
#include "kwgfx/drawing/TextWrap.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kw;
using namespace kw::platform;

namespace {

// A recording canvas whose N-th call (drawing or measuring) throws; 0 never throws.
class TFailingCanvas : public TRecordingCanvas {
public:
    explicit TFailingCanvas(int FailAt = 0) : FFailAt(FailAt) {}
    int CallCount() const { return FCount; }

protected:
    void DoMoveTo(int32_t X, int32_t Y) override { Tick(), TRecordingCanvas::DoMoveTo(X, Y); }
    void DoLineTo(TPoint From, TPoint To) override { Tick(), TRecordingCanvas::DoLineTo(From, To); }
    void DoPolygon(std::span<const TPoint> P) override { Tick(), TRecordingCanvas::DoPolygon(P); }
    void DoPolyline(std::span<const TPoint> P) override { Tick(), TRecordingCanvas::DoPolyline(P); }
    void DoRectangle(const TRect& B) override { Tick(), TRecordingCanvas::DoRectangle(B); }
    void DoRoundRect(const TRect& B, int32_t W, int32_t H) override {
        Tick(), TRecordingCanvas::DoRoundRect(B, W, H);
    }
    void DoEllipse(const TRect& B) override { Tick(), TRecordingCanvas::DoEllipse(B); }
    void DoChord(const TRect& B, TPoint S, TPoint E) override {
        Tick(), TRecordingCanvas::DoChord(B, S, E);
    }
    void DoPie(const TRect& B, TPoint S, TPoint E) override {
        Tick(), TRecordingCanvas::DoPie(B, S, E);
    }
    void DoFillRect(const TRect& R) override { Tick(), TRecordingCanvas::DoFillRect(R); }
    void DoDraw(int32_t X, int32_t Y, const TGraphic& G) override {
        Tick(), TRecordingCanvas::DoDraw(X, Y, G);
    }
    void DoStretchDraw(const TRect& R, const TGraphic& G) override {
        Tick(), TRecordingCanvas::DoStretchDraw(R, G);
    }
    void DoTextOut(int32_t X, int32_t Y, std::string_view T) override {
        Tick(), TRecordingCanvas::DoTextOut(X, Y, T);
    }
    TSize DoTextExtent(std::string_view T) override {
        Tick();
        return TRecordingCanvas::DoTextExtent(T);
    }

private:
    void Tick() {
        if (++FCount == FFailAt) throw platform::Exception("canvas failure");
    }
    int FFailAt;
    int FCount = 0;
};

class TTinyGraphic : public TGraphic {
public:
    int32_t Width() const override { return 4; }
    int32_t Height() const override { return 4; }
    void ReadPixels(std::span<uint32_t>) const override {}
};

struct TCanvasState {
    TPenValues Pen;
    TBrushValues Brush;
    std::string FontName;
    int32_t FontHeight;
    TColor FontColor;

    explicit TCanvasState(TCanvas& C)
        : Pen{C.Pen().Color(), C.Pen().Style(), C.Pen().Width()}, Brush{C.Brush().Color(),
                                                                        C.Brush().Style()},
          FontName(C.Font().Name()), FontHeight(C.Font().Height()), FontColor(C.Font().Color()) {}
    friend bool operator==(const TCanvasState&, const TCanvasState&) = default;
};

void SetUnusualState(TCanvas& C) {
    C.Pen().SetColor(clTeal);
    C.Pen().SetStyle(psDash);
    C.Pen().SetWidth(3);
    C.Brush().SetColor(clFuchsia);
    C.Brush().SetStyle(bsDiagCross);
    C.Font().SetName("Serif");
    C.Font().SetHeight(-20);
    C.Font().SetColor(clMaroon);
}

struct TRoutine {
    std::string Name;
    std::function<void(TCanvas&)> Draw;
};

std::vector<TRoutine> AllRoutines() {
    static const TColor colors[] = {clRed, clLime, clBlue};
    static const TColors palette = {clRed, clLime, clBlue};
    static const TTinyGraphic graphic;
    std::vector<TRoutine> r = {
        {"LineGradient",
         [](TCanvas& C) { LineGradient(C, TRect(0, 0, 30, 20), colors, 4, diHorizontal); }},
        {"EllipseGradientCentre",
         [](TCanvas& C) { EllipseGradient(C, TRect(0, 0, 30, 20), 0.3f, 0.6f, colors, 2.0f); }},
        {"EllipseGradient", [](TCanvas& C) { EllipseGradient(C, TRect(0, 0, 30, 20), colors, 2); }},
        {"RectGradient", [](TCanvas& C) { RectGradient(C, TRect(0, 0, 30, 20), colors, 2); }},
        {"DrawArrow",
         [](TCanvas& C) {
             DrawArrow(C, 0, 0, 40, 30, 6, "one\r\ntwo",
                       {aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoDrawCaption}, 3);
         }},
        {"DrawArrowChain",
         [](TCanvas& C) {
             const TKwPoint chain[] = {{0, 0}, {20, 5}, {30, 30}};
             DrawArrow(C, chain, 5, "c", {aoArrowAtEnd, aoClosedHead, aoDrawCaption}, 1, -1);
         }},
        {"DrawPieSlice", [](TCanvas& C) { DrawPieSlice(C, TRect(0, 0, 30, 20), 10, 100, 5); }},
        {"Frame3DExtSquare",
         [](TCanvas& C) {
             TRect r(0, 0, 20, 20);
             Frame3DExt(C, r, clWhite, clGray, 3);
         }},
        {"Frame3DExtRounded",
         [](TCanvas& C) {
             TRect r(0, 0, 20, 20);
             Frame3DExt(C, r, clWhite, clGray, 3, true, 6, 6);
         }},
        {"Frame3DEllipse",
         [](TCanvas& C) {
             TRect r(0, 0, 20, 20);
             Frame3DEllipse(C, r, clWhite, clGray, 3);
         }},
        {"ProgressCircle",
         [](TCanvas& C) {
             ProgressCircle(C, TRect(0, 0, 80, 80), 2, 6, 0, 10, palette, true, 8, sCircle, soUp,
                            true, 2, 1, pdForward, dtAllProgress);
         }},
        {"ProgressPie",
         [](TCanvas& C) {
             ProgressPie(C, TRect(0, 0, 80, 80), 2, 6, 0, 10, palette, true, 8, 4, pdBackward,
                         dtAllProgress);
         }},
        {"ProgressRect",
         [](TCanvas& C) {
             ProgressRect(C, TRect(0, 0, 80, 20), 2, 6, 0, 10, palette, true, 8, sIsoscelesTriangle,
                          soRight, true, 2, 1, poHorizontal, pdForward, dtAllProgress);
         }},
        {"TextRoutines",
         [](TCanvas& C) {
             WrapCanvasText(C, "some words to wrap", 30);
             GetMultilineTextHeight(C, "a\nb");
             TPoint p;
             GetRotatedTextExtent(C, 30, "text", p);
             TKwPoint q;
             GetRotatedTextExtent(C, 30, "text", q);
         }},
    };
    for (int t = sRect; t <= sRightTriangle; ++t)
        r.push_back({"DrawShapeType" + std::to_string(t), [t](TCanvas& C) {
                         DrawShape(C, TRect(0, 0, 30, 20), TKwShapeType(t), soLeft, true, 2);
                     }});
    for (int s = ssRectangle; s <= ss3DRoundSquare; ++s)
        r.push_back({"DrawShapeStyle" + std::to_string(s), [s](TCanvas& C) {
                         DrawShape(C, TRect(0, 0, 30, 20), &graphic, TKwShapeStyle(s), s % 2,
                                   clWhite, clGray, 2);
                     }});
    return r;
}

} // namespace

TEST(DrawingState, EveryRoutineRestoresPenBrushAndFont) {
    for (const TRoutine& routine : AllRoutines()) {
        TFailingCanvas canvas;
        SetUnusualState(canvas);
        const TCanvasState before(canvas);
        routine.Draw(canvas);
        EXPECT_EQ(TCanvasState(canvas), before) << routine.Name;
    }
}

TEST(DrawingState, RestoredAlsoWhenAnyCanvasCallThrows) {
    for (const TRoutine& routine : AllRoutines()) {
        TFailingCanvas counter;
        SetUnusualState(counter);
        routine.Draw(counter);
        // (ss3DImage draws nothing, so nothing can fail there.)
        for (int n = 1; n <= counter.CallCount(); ++n) {
            TFailingCanvas canvas(n);
            SetUnusualState(canvas);
            const TCanvasState before(canvas);
            EXPECT_THROW(routine.Draw(canvas), platform::Exception)
                << routine.Name << " call " << n;
            EXPECT_EQ(TCanvasState(canvas), before) << routine.Name << " failing at call " << n;
        }
    }
}

TEST(DrawingState, FailedFrameLeavesTheRectangleAlone) {
    TFailingCanvas canvas(2);
    TRect r(0, 0, 20, 20);
    EXPECT_THROW(Frame3DExt(canvas, r, clWhite, clGray, 3), platform::Exception);
    EXPECT_EQ(r, TRect(0, 0, 20, 20));
}
