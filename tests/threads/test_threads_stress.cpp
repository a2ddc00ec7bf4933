// SPDX-License-Identifier: MIT
// Many threads at once, as a batch renderer runs the library: eight threads each parse
// (lenient and SVG path text), transform, stream, flatten and fill their own paths and
// paint every drawing routine on their own bitmap, while all of them also read one shared
// path. Every byte a job makes (texts, streams, polygons, pixels) must equal what the same
// job made on one thread. CI builds this test under ThreadSanitizer as well
// (KWGFX_TSAN, .ci/run), where any race in that work fails the run.
//
// The threads run before the single-thread reference, so that the first use of the font
// machinery (fontconfig's configuration, Cairo's face caches) happens on many threads.
// Meanwhile the main thread plays the user-interface thread: it registers a screen device
// and asks it about fonts while the workers make and destroy canvases of their own.

#include "kwgfx/KwGraphics.h"
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/platform/graphics/DrawTextFlags.h"
#include "kwgfx/platform/graphics/ScreenFont.h"
#include "kwgfx/platform/streams/MemoryStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <latch>
#include <string>
#include <thread>
#include <vector>

using namespace kw;
using namespace kw::platform;

namespace {

constexpr int kThreads = 8;
constexpr int kJobsPerThread = 2;
constexpr int kJobs = kThreads * kJobsPerThread;
constexpr int kSide = 128;

// What a job made, in order, as bytes.
class TJobBytes {
public:
    void Add(std::string_view Text) { (FBytes += Text) += '\n'; }
    void Add(const TKwPoints& Points) {
        for (const TKwPoint& p : Points) AddRaw(p);
        Add("");
    }
    template <typename T>
    void AddRaw(const T& Value) {
        FBytes.append(reinterpret_cast<const char*>(&Value), sizeof Value);
    }
    const std::string& Bytes() const { return FBytes; }

private:
    std::string FBytes;
};

std::string N(int V) {
    return std::to_string(V);
}

// Path text in the lenient form and in SVG form, different for every seed.
std::string LenientText(int S) {
    return "M" + N(10 + S) + "," + N(20 + S % 7) + " L" + N(90 - S) + ",15 C100," + N(40 + S) +
           " 60," + N(110 - S) + " 30,90 Z M50,50 L" + N(70 + S % 5) + ",60 60,80 Z";
}
std::string SvgText(int S) {
    return "M" + N(20 + S) + " 100 Q64 " + N(S) + " " + N(108 - S % 9) +
           " 100 A30 20 15 1 0 60 60 t10 -20 h-30 v" + N(10 + S % 4) +
           " z m5 5 s10 -20 30 0 l-10 15z";
}

// Every drawing routine, with numbers from the seed, on Canvas.
void PaintDrawingRoutines(TCanvas& C, int S, TJobBytes& Out, const TBitmap& Sprite) {
    const TColor colors[] = {TColor(0x102030 * (S % 5 + 1)), clRed, clYellow, clBlue};
    LineGradient(C, TRect(0, 0, 40, 30), colors, 1 + S % 3, TGradientOrientation(S % 2));
    EllipseGradient(C, TRect(40, 0, 80, 30), 0.3f, 0.6f, colors, 1.5f);
    EllipseGradient(C, TRect(80, 0, 128, 30), colors, 2);
    RectGradient(C, TRect(0, 30, 30, 60), colors, 2);
    DirectionGradient(C, TRect(30, 30, 60, 60), colors, TGradientDirection(S % 8), 3);
    DirectionGradient(C, TRect(60, 30, 90, 60), colors, gdDownRight, 1);
    C.Brush().SetColor(0x5FA0F0);
    DrawArrow(C, 5, 120, 60 + S, 70, 8, "arrow\r\ncaption", {aoArrowAtEnd, aoDrawCaption}, 1);
    const TPoint chain[] = {{70, 120}, {90, 70 + S}, {120, 110}};
    DrawArrow(C, chain, 6, "mid", {aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoDrawCaption}, 4, -1);
    const TKwPoint floatChain[] = {{10.5f, 64.5f}, {40.4f, 70.6f + S}};
    DrawArrow(C, floatChain, 5, "", {aoArrowAtEnd, aoClosedHead}, 1, 0);
    DrawPieSlice(C, TRect(90, 30, 128, 64), 10 + S, 200, S % 90);
    DrawShape(C, TRect(0, 64, 24, 88), TKwShapeType(S % 4), TKwShapeOrientation(S % 4), true, 3);
    DrawShape(C, TRect(24, 64, 48, 88), nullptr, TKwShapeStyle(S % 24 == 2 ? 3 : S % 24), false,
              clSilver, clGray, 2);
    DrawShape(C, TRect(48, 64, 72, 88), &Sprite, ssImage, true, clSilver, clGray, 0);
    TRect square(72, 64, 96, 88), rounded(96, 64, 128, 88), oval(0, 88, 30, 112);
    Frame3DExt(C, square, clWhite, clGray, 2);
    Frame3DExt(C, rounded, clSilver, clNavy, 2, true, 8, 8);
    Frame3DEllipse(C, oval, clWhite, clBlack, 3);
    ProgressCircle(C, TRect(30, 88, 60, 118), 2, 30 + S, 0, 100, colors, true, 8, sCircle, soUp,
                   false, 0, 1, pdForward, dtAllProgress);
    ProgressPie(C, TRect(60, 88, 90, 118), 0, 70, 0, 100, colors, false, 6 + S % 3, 5, pdBackward,
                dtAllProgress);
    ProgressRect(C, TRect(90, 88, 128, 100), 1, 50 + S, 0, 100, colors, true, 5, sRect, soUp, true,
                 1, 1, poHorizontal, pdForward, dtAllProgress);
    const TPoint spline[] = {{5, 5}, {40, 30 + S}, {80, 10}, {120, 40}};
    DrawBezierPolygon(C, spline, S % 2 == 0, true, true, 3, 1);
    const TKwPoint floatSpline[] = {{5.5f, 120.5f}, {60.25f, 90.0f + S}, {120, 124}};
    DrawBezierPolygon(C, floatSpline, true, false, false, 2, 1);
    const TVclCanvasHelper helper(C);
    helper.DrawLine(TKwPoint(0.5f, 127.5f), TKwPoint(127.4f, float(S)));
    helper.Polygon({{100.5f, 100.5f}, {120.25f, 104.5f}, {110, 118.0f + S % 4}});

    // Text: measured, wrapped, drawn plain, through DrawText and rotated.
    C.Font().SetHeight(-11 - S % 3);
    Out.Add(WrapCanvasText(C, "a few words \"kept together\" wrapped to a narrow width", 40));
    Out.AddRaw(GetMultilineTextHeight(C, "one\ntwo\nthree"));
    TPoint origin;
    Out.AddRaw(GetRotatedTextExtent(C, 30 + S, "rotated", origin));
    Out.AddRaw(origin);
    TKwPoint floatOrigin;
    Out.AddRaw(GetRotatedTextExtent(C, -60 - S, "rotated", floatOrigin));
    Out.AddRaw(floatOrigin);
    C.Brush().SetStyle(bsClear);
    C.TextOut(2, 100 + S % 5, "Text " + N(S));
    TRect box(64, 100, 128, 128);
    Out.AddRaw(C.DrawText("wrapped into a box by the canvas", box, DT_WORDBREAK | DT_CENTER));
    C.Font().SetOrientation(450);
    C.TextOut(20, 60, "tilted");
    C.Font().SetOrientation(0);
}

// One job: everything a batch renderer does with a path, then the drawing routines.
std::string RunJob(int S, const TKwPathData& Shared) {
    TJobBytes out;
    TKwPathData lenient, svg, copy;
    lenient.SetPathString(LenientText(S));
    const TKwSvgPathResult read = svg.SetSvgPathString(SvgText(S));
    out.Add(read ? "svg ok" : read.Message);

    lenient.ApplyMatrix(
        KwMatrixMultiply(CreateRotationKwMatrix(float(S) / 10), CreateTranslateKwMatrix(4, 2)));
    svg.Scale(1.1f, 0.9f);
    svg.Translate(float(S % 3), 1);
    TMemoryStream stream;
    lenient.WritePath(stream);
    stream.SetPosition(0);
    copy.ReadPath(stream);
    out.Add(stream.DataString());
    out.Add(copy.GetPathString());
    out.Add(svg.GetSvgPathString());
    TKwPoints polygon;
    out.AddRaw(svg.FlattenToPolygon(polygon, 0.25f));
    out.Add(polygon);
    for (const TKwPoints& p : lenient.ToPolygons()) out.Add(p);
    copy.Flatten(0.5f);
    out.Add(copy.GetPathString());

    // The shared path is only read.
    out.AddRaw(Shared.GetBounds());
    out.AddRaw(Shared.GetTightBounds());
    out.AddRaw(Shared.PointInPath(float(30 + S), 40.0f));
    out.Add(Shared.GetSvgPathString());
    TKwPoints sharedPolygon;
    Shared.FlattenToPolygon(sharedPolygon, 0.5f);
    out.Add(sharedPolygon);
    TMemoryStream sharedStream;
    Shared.WritePath(sharedStream);
    out.Add(sharedStream.DataString());

    TBitmap sprite(12, 12);
    sprite.Canvas().Brush().SetColor(TColor(0x00A000 + S));
    sprite.Canvas().Ellipse(0, 0, 12, 12);
    TBitmap picture(kSide, kSide);
    TCairoCanvas& c = picture.Canvas();
    c.Brush().SetColor(0x3366CC);
    lenient.FillPath(c, 1);
    svg.SetFillMode(fmNonZero);
    FillPathArea(c, svg);
    c.Pen().SetColor(clMaroon);
    copy.DrawPath(c, 1);
    Shared.DrawPath(c, 1);
    c.Brush().SetColor(TColor(0x808000));
    FillPathArea(c, Shared);
    PaintDrawingRoutines(c, S, out, sprite);

    std::vector<uint32_t> pixels(size_t(kSide) * kSide);
    picture.ReadPixels(pixels);
    out.Add({reinterpret_cast<const char*>(pixels.data()), pixels.size() * 4});
    return out.Bytes();
}

size_t FirstDifference(const std::string& A, const std::string& B) {
    return size_t(std::mismatch(A.begin(), A.end(), B.begin(), B.end()).first - A.begin());
}

TEST(ThreadsStress, EightThreadsMakeTheBytesOneThreadMakes) {
    TKwPathData shared;
    shared.SetSvgPathString("M10 10 C40 0 90 60 120 20 L110 120 Q60 80 20 110 Z "
                            "M40 40 h30 v30 h-30 z");

    // Threads first: no font, face or bounds cache is warm yet.
    std::vector<std::string> threaded(kJobs);
    std::latch start(kThreads + 1);
    std::atomic<int> running = kThreads;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            for (int k = 0; k < kJobsPerThread; ++k)
                threaded[size_t(t + k * kThreads)] = RunJob(t + k * kThreads, shared);
            --running;
        });
    TBitmap screen(8, 8);
    TFont font;
    font.SetHeight(-20);
    start.arrive_and_wait();
    int queries = 0;
    do {
        SetScreenCanvas(&screen.Canvas());
        EXPECT_GT(GetFontTextMetrics(font).tmHeight, 15);
        SetScreenCanvas(nullptr);
        ++queries;
    } while (running > 0);
    for (std::thread& t : threads) t.join();
    EXPECT_GT(queries, 0);

    std::vector<std::string> reference;
    for (int s = 0; s < kJobs; ++s) reference.push_back(RunJob(s, shared));
    for (int s = 0; s < kJobs; ++s) {
        EXPECT_TRUE(threaded[size_t(s)] == reference[size_t(s)])
            << "job " << s << " differs at byte "
            << FirstDifference(threaded[size_t(s)], reference[size_t(s)]) << " of "
            << reference[size_t(s)].size();
        // The jobs differ, so a thread that ran another thread's job would be caught.
        if (s > 0) {
            EXPECT_NE(reference[size_t(s)], reference[size_t(s - 1)]) << s;
        }
    }
}

// The pictures are real work: each job paints most of its bitmap, and text reaches it.
TEST(ThreadsStress, AJobPaintsMostOfItsPicture) {
    TKwPathData shared;
    const std::string bytes = RunJob(3, shared);
    ASSERT_GT(bytes.size(), size_t(kSide) * kSide * 4);
    const char* pixels = bytes.data() + bytes.size() - 1 - size_t(kSide) * kSide * 4;
    int painted = 0;
    for (int i = 0; i < kSide * kSide; ++i) {
        uint32_t p;
        std::memcpy(&p, pixels + size_t(i) * 4, 4);
        painted += (p & 0xFFFFFF) != 0xFFFFFF;
    }
    EXPECT_GT(painted, kSide * kSide / 2);
}

} // namespace
