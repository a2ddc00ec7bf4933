// SPDX-License-Identifier: MIT
// Calls the drawing routines with arbitrary numbers on a recording canvas: gradients,
// direction gradients, arrows, pie slices, both forms of DrawShape, bevels and the three
// progress indicators. Rectangles, angles, centres, head sizes and colours take any value
// (NaN and infinities too); nothing may crash, overflow or hang.
//
// The stated bound: some routines do work in proportion to an argument by their
// definition (a band per Step pixels, a frame per pixel of Width, an element per step of
// progress). The target keeps that defined work under MaxWork by raising a step or
// lowering a count, and fails when a routine records more than CallsPerWork calls per unit
// of it (plus a few), so a loop that runs away or a record that grows without end is found.
//
// Input: operations, each a selector byte and its arguments, until the input ends.

#include "FuzzSupport.h"

#include <kwgfx/drawing/Arrows.h>
#include <kwgfx/drawing/DirectionGradient.h>
#include <kwgfx/drawing/Frame3D.h>
#include <kwgfx/drawing/Gradients.h>
#include <kwgfx/drawing/PieSlice.h>
#include <kwgfx/drawing/Progress.h>
#include <kwgfx/drawing/Shapes.h>
#include <kwgfx/platform/graphics/RecordingCanvas.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace kw;

constexpr int64_t MaxWork = 1024;
constexpr int64_t CallsPerWork = 8;
constexpr int64_t FixedCalls = 64;

class TArgs {
public:
    TArgs(const uint8_t* Data, size_t Size) : FIn(Data, Size) {}
    bool Empty() const { return FIn.Empty(); }
    int32_t Int() { return FIn.Next<int32_t>(); }
    float Float() { return FIn.Next<float>(); }
    double Double() { return FIn.Next<double>(); }
    uint8_t Byte() { return FIn.Next<uint8_t>(); }
    bool Bool() { return Byte() & 1; }
    TRect Rect() {
        TRect r;
        r.Left = Int();
        r.Top = Int();
        r.Right = Int();
        r.Bottom = Int();
        return r;
    }
    // One to eight colours.
    std::vector<TColor> Colors() {
        std::vector<TColor> colors(Byte() % 8 + 1);
        for (TColor& c : colors) c = TColor(Int());
        return colors;
    }
    // Up to 32 bytes of any value: caption lines end at CR LF.
    std::string Caption() {
        std::string text(Byte() % 33, 'x');
        for (char& c : text) c = static_cast<char>(Byte());
        return text;
    }
    // A whole count from 0 to Max.
    int32_t Count(int64_t Max) { return int32_t(int64_t(uint32_t(Int())) % (Max + 1)); }

private:
    fuzz::TInputReader FIn;
};

int64_t Extent(int32_t A, int32_t B) {
    return std::llabs(int64_t(A) - B);
}

// A step at least Length / MaxWork, so that stepping over Length takes at most MaxWork.
int32_t BoundedStep(int32_t Step, int64_t Length) {
    const int64_t least = Length / MaxWork + 1;
    return int32_t(std::max<int64_t>(Step, least));
}

float BoundedStep(float Step, int64_t Length) {
    const float least = float(Length) / float(MaxWork) + 1;
    return Step > least ? Step : least; // NaN becomes the least step
}

void Check(const platform::TRecordingCanvas& Canvas, int64_t Work, int Operation) {
    const int64_t calls = int64_t(Canvas.Calls().size());
    if (calls > Work * CallsPerWork + FixedCalls)
        fuzz::Fail("operation " + std::to_string(Operation) + " recorded " + std::to_string(calls) +
                   " calls for " + std::to_string(Work) + " work");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TArgs in(Data, Size);
    platform::TRecordingCanvas canvas;
    for (int n = 0; n < 16 && !in.Empty(); ++n) {
        canvas.Clear();
        canvas.Pen().SetWidth(in.Int());
        const int operation = in.Byte() % 14;
        int64_t work = 1;
        switch (operation) {
        case 0: {
            const TRect r = in.Rect();
            const auto orientation = TGradientOrientation(in.Byte() % 2);
            const int64_t length =
                orientation == diHorizontal ? Extent(r.Left, r.Right) : Extent(r.Top, r.Bottom);
            LineGradient(canvas, r, in.Colors(), BoundedStep(in.Int(), length), orientation);
            work = MaxWork;
            break;
        }
        case 1: {
            const TRect r = in.Rect();
            const float cx = in.Float(), cy = in.Float();
            const auto colors = in.Colors();
            // Rings stop when either side reaches the centre, but a side given backwards
            // never does: the other side's length counts.
            const int64_t longer = std::max(Extent(r.Left, r.Right), Extent(r.Top, r.Bottom));
            EllipseGradient(canvas, r, cx, cy, colors, BoundedStep(in.Float(), longer));
            work = 2 * MaxWork; // float steps may round to a little less than a step
            break;
        }
        case 2:
        case 3: {
            const TRect r = in.Rect();
            const auto colors = in.Colors();
            const int64_t shorter = std::min(Extent(r.Left, r.Right), Extent(r.Top, r.Bottom));
            const int32_t step = BoundedStep(in.Int(), shorter);
            if (operation == 2)
                EllipseGradient(canvas, r, colors, step);
            else
                RectGradient(canvas, r, colors, step);
            work = MaxWork;
            break;
        }
        case 4: {
            const TRect r = in.Rect();
            const auto colors = in.Colors();
            const auto direction = TGradientDirection(in.Byte() % 8);
            const int64_t longer = std::max(Extent(r.Left, r.Right), Extent(r.Top, r.Bottom));
            DirectionGradient(canvas, r, colors, direction, BoundedStep(in.Int(), longer));
            work = MaxWork;
            break;
        }
        case 5: {
            const int32_t x1 = in.Int(), y1 = in.Int(), x2 = in.Int(), y2 = in.Int();
            const int32_t head = in.Int();
            const std::string caption = in.Caption();
            DrawArrow(canvas, x1, y1, x2, y2, head, caption,
                      TArrowOptions::FromBits(in.Byte() & 0x1F), in.Int());
            work = int64_t(caption.size()) + 1;
            break;
        }
        case 6: {
            std::vector<TPoint> points(in.Byte() % 16);
            for (TPoint& p : points) p = TPoint(in.Int(), in.Int());
            const int32_t head = in.Int();
            const std::string caption = in.Caption();
            DrawArrow(canvas, points, head, caption, TArrowOptions::FromBits(in.Byte() & 0x1F),
                      in.Int(), in.Int());
            work = int64_t(points.size() + caption.size()) + 1;
            break;
        }
        case 7: {
            std::vector<TKwPoint> points(in.Byte() % 16);
            for (TKwPoint& p : points) p = TKwPoint(in.Float(), in.Float());
            const int32_t head = in.Int();
            const std::string caption = in.Caption();
            DrawArrow(canvas, points, head, caption, TArrowOptions::FromBits(in.Byte() & 0x1F),
                      in.Int(), in.Int());
            work = int64_t(points.size() + caption.size()) + 1;
            break;
        }
        case 8: {
            const TRect r = in.Rect();
            const double start = in.Double(), end = in.Double();
            DrawPieSlice(canvas, r, start, end, in.Int());
            break;
        }
        case 9: {
            const TRect r = in.Rect();
            const auto type = TKwShapeType(in.Byte() % 4);
            const auto orientation = TKwShapeOrientation(in.Byte() % 4);
            const bool is3D = in.Bool();
            DrawShape(canvas, r, type, orientation, is3D, in.Count(MaxWork));
            work = MaxWork;
            break;
        }
        case 10: {
            const TRect r = in.Rect();
            const auto style = TKwShapeStyle(in.Byte() % 24);
            const bool stretch = in.Bool();
            const TColor light = TColor(in.Int()), shadow = TColor(in.Int());
            DrawShape(canvas, r, nullptr, style, stretch, light, shadow, in.Count(MaxWork));
            work = MaxWork;
            break;
        }
        case 11: {
            TRect r = in.Rect();
            const TColor top = TColor(in.Int()), bottom = TColor(in.Int());
            const int32_t width = in.Count(MaxWork);
            const bool rounded = in.Bool();
            const int32_t cw = in.Int(), ch = in.Int();
            if (in.Bool())
                Frame3DExt(canvas, r, top, bottom, width, rounded, cw, ch);
            else
                Frame3DEllipse(canvas, r, top, bottom, in.Int());
            work = MaxWork;
            break;
        }
        case 12:
        case 13: {
            const TRect r = in.Rect();
            const int32_t margin = in.Int(), position = in.Int(), min = in.Int(), max = in.Int();
            const auto colors = in.Colors();
            const bool penToo = in.Bool();
            const int32_t steps = in.Count(256) - 1; // -1 .. 255
            const auto type = TKwShapeType(in.Byte() % 4);
            const auto orientation = TKwShapeOrientation(in.Byte() % 4);
            const bool is3D = in.Bool();
            const int32_t depth = in.Count(MaxWork / 256);
            const int32_t spacing = in.Int();
            const auto direction = TProgressDirection(in.Byte() % 2);
            const auto display = TProgressDisplayType(in.Byte() % 2);
            if (operation == 12 && in.Bool())
                ProgressPie(canvas, r, margin, position, min, max, colors, penToo, steps, in.Int(),
                            direction, display);
            else if (operation == 12)
                ProgressCircle(canvas, r, margin, position, min, max, colors, penToo, steps, type,
                               orientation, is3D, depth, spacing, direction, display);
            else
                ProgressRect(canvas, r, margin, position, min, max, colors, penToo, steps, type,
                             orientation, is3D, depth, spacing, TProgressOrientation(in.Byte() % 2),
                             direction, display);
            work = int64_t(std::max(steps, 0)) * (depth + 2);
            break;
        }
        }
        Check(canvas, work, operation);
    }
    return 0;
}
