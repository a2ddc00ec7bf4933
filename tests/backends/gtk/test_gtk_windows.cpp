// SPDX-License-Identifier: MIT
// The GTK platform under a real (virtual) display: windows show what a TBitmap shows, hint
// windows appear and hide on the GLib loop's timers, timers and posted messages run on it.
// Run under xvfb-run with GSK_RENDERER=cairo; without a display every test skips.
#include "kwgfx/KwHintWindow.h"
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/BitmapWindowSurface.h"
#include "kwgfx/backends/gtk/GtkLoopHost.h"
#include "kwgfx/backends/gtk/GtkPlatform.h"
#include "kwgfx/backends/gtk/GtkWindowSurface.h"
#include "kwgfx/platform/windowing/Application.h"
#include "kwgfx/platform/windowing/Timer.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace kw;
using namespace kw::platform;
namespace kg = kw::platform::gtk;
using TClockMs = std::chrono::steady_clock;

namespace {

class GtkWindows : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        if (!kg::InitPlatform(&error)) GTEST_SKIP() << "no display: " << error;
    }
    static double MsSince(TClockMs::time_point T) {
        return std::chrono::duration<double, std::milli>(TClockMs::now() - T).count();
    }
    // A shown toplevel window holding Child, at the given size.
    static GtkWindow* ShowWindow(GtkWidget* Child, int W, int H) {
        GtkWindow* window = GTK_WINDOW(gtk_window_new());
        gtk_window_set_default_size(window, W, H);
        gtk_window_set_child(window, Child);
        gtk_window_present(window);
        return window;
    }
};

// Shapes, lines and text with every kind of pen and brush change in one routine.
void PaintSample(TCanvas& C, int32_t W, int32_t H) {
    C.Brush().SetColor(clWhite);
    C.FillRect(TRect(0, 0, W, H));
    C.Pen().SetColor(clNavy);
    C.Pen().SetWidth(3);
    C.Brush().SetColor(clYellow);
    C.Ellipse(10, 10, W / 2, H / 2);
    C.Pen().SetWidth(1);
    C.Brush().SetColor(clTeal);
    C.RoundRect(W / 2, 8, W - 8, H / 2, 12, 12);
    C.MoveTo(4, H - 4);
    C.LineTo(W - 4, H / 2 + 4);
    C.Font().SetHeight(-16);
    C.Font().SetColor(clMaroon);
    C.Brush().SetStyle(bsClear);
    C.TextOut(12, H / 2 + 10, "kwgfx on GTK");
}

// Where Widget's top-left corner lies in its toplevel's surface; for a popup, offset by
// the popup's place relative to its parent's surface.
TPoint PlaceInSurface(GtkWidget* Widget) {
    GtkNative* native = gtk_widget_get_native(Widget);
    double x = 0, y = 0;
    gtk_native_get_surface_transform(native, &x, &y);
    graphene_point_t at;
    const graphene_point_t zero = GRAPHENE_POINT_INIT(0, 0);
    if (!gtk_widget_compute_point(Widget, GTK_WIDGET(native), &zero, &at)) return {-1, -1};
    TPoint p(int(x + at.x), int(y + at.y));
    if (GdkSurface* s = gtk_native_get_surface(native); GDK_IS_POPUP(s)) {
        p.X += gdk_popup_get_position_x(GDK_POPUP(s));
        p.Y += gdk_popup_get_position_y(GDK_POPUP(s));
    }
    return p;
}

int DifferingPixels(const TBitmap& A, const TBitmap& B) {
    if (A.Width() != B.Width() || A.Height() != B.Height()) return -1;
    int n = 0;
    for (int y = 0; y < A.Height(); ++y)
        for (int x = 0; x < A.Width(); ++x) n += A.GetPixelRGBA(x, y) != B.GetPixelRGBA(x, y);
    return n;
}

} // namespace

TEST_F(GtkWindows, DrawingAreaShowsTheBitmapsPixels) {
    constexpr int W = 220, H = 140;
    GtkWidget* area = kg::NewCanvasArea(PaintSample);
    GtkWindow* window = ShowWindow(area, W, H);
    TBitmap shown;
    ASSERT_TRUE(kg::IterateUntil(
        [&] { return gtk_widget_get_width(area) == W && kg::SnapshotWidget(area, shown); }, 5000));
    TBitmap expected(W, H);
    PaintSample(expected.Canvas(), W, H);
    // The window is drawn by Cairo and the bitmap by the library's rasteriser: they decide a
    // pixel whose centre lies exactly on the edge of a line or shape each their own way, so a
    // few such pixels may differ; anything more is a fault of the window's painting.
    const int differing = DifferingPixels(shown, expected);
    EXPECT_GE(differing, 0) << "sizes differ";
    if (differing > W * H / 1000) {
        // Kept for a look, outside the working folder.
        const std::string sample =
            (std::filesystem::temp_directory_path() / "kwgfx_gtk_window_sample.png").string();
        shown.SaveToFile(sample);
        ADD_FAILURE() << differing << " pixels differ; the window's pixels are in " << sample;
    }
    gtk_window_destroy(window);
}

TEST_F(GtkWindows, HintShowsOnScreenAndHidesAfterItsInterval) {
    GtkWindow* main = ShowWindow(gtk_drawing_area_new(), 400, 300);
    kg::SetMainWindow(main);
    ASSERT_TRUE(kg::IterateUntil([&] { return gtk_widget_get_mapped(GTK_WIDGET(main)); }, 5000));

    auto hint = std::make_unique<TKwHintWindow>(nullptr);
    hint->SetInterval(400);
    const TRect size = hint->CalcHintRect(300, "A hint on screen", nullptr);
    const TRect rect(20, 30, 20 + size.Width(), 30 + size.Height());
    const auto shownAt = TClockMs::now();
    hint->ActivateHint(rect, "A hint on screen");
    auto& surface = static_cast<kg::TGtkWindowSurface&>(hint->Surface());
    EXPECT_TRUE(surface.Visible() || kg::IterateUntil([&] { return surface.Visible(); }, 2000));
    TBitmap shown;
    ASSERT_TRUE(kg::IterateUntil(
        [&] { return hint->PaintCount() > 0 && kg::SnapshotWidget(surface.Area(), shown); }, 3000));

    // At the hint rectangle, read in the coordinates of the main window's content.
    const TPoint content = PlaceInSurface(gtk_window_get_child(main));
    EXPECT_EQ(PlaceInSurface(surface.Area()), TPoint(content.X + rect.Left, content.Y + rect.Top));

    // The same hint painted into a bitmap is the oracle for what the screen shows.
    Application().SetWindowSurfaceFactory([] { return std::make_unique<TBitmapWindowSurface>(); });
    TKwHintWindow offscreen(nullptr);
    offscreen.ActivateHint(rect, "A hint on screen");
    Application().SetWindowSurfaceFactory([] { return std::make_unique<kg::TGtkWindowSurface>(); });
    const TBitmap& expected = static_cast<TBitmapWindowSurface&>(offscreen.Surface()).Bitmap();
    EXPECT_EQ(DifferingPixels(shown, expected), 0);

    // Hidden by the real timer: not before Interval, and within 300 ms after it.
    ASSERT_TRUE(kg::IterateUntil([&] { return !surface.Visible(); }, 3000));
    EXPECT_GE(MsSince(shownAt), 400 - 5);
    EXPECT_LE(MsSince(shownAt), 400 + 300);

    // Destroyed while its timer counts down: the window goes and no timer fires later.
    hint->ActivateHint(rect, "again");
    ASSERT_TRUE(kg::IterateUntil([&] { return surface.Visible(); }, 2000));
    hint.reset();
    kg::IterateUntil([] { return false; }, 600);
    kg::SetMainWindow(nullptr);
    gtk_window_destroy(main);
}

TEST_F(GtkWindows, TimersAndPostedMessagesRunOnTheGlibLoop) {
    TMessageLoop loop;
    kg::TGlibLoopHost host(loop);
    // Five ticks of a 40 ms timer take 200 ms; allow 150 ms of lateness on a busy machine.
    std::vector<double> ticks;
    const auto start = TClockMs::now();
    auto* timer = new TTimer(nullptr, loop);
    timer->SetInterval(40);
    timer->OnTimer = [&](TObject*) {
        ticks.push_back(MsSince(start));
        if (ticks.size() == 5) delete timer; // freed inside its own handler
    };
    // A message posted from another thread runs on this one and ends the loop.
    std::thread::id ranOn;
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(350));
        loop.Post([&] {
            ranOn = std::this_thread::get_id();
            loop.Terminate();
        });
    });
    loop.Run();
    poster.join();
    ASSERT_EQ(ticks.size(), 5u);
    for (size_t i = 0; i < ticks.size(); ++i) EXPECT_GE(ticks[i], 40.0 * (i + 1) - 2) << i;
    EXPECT_LE(ticks.back(), 200 + 150);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_GE(MsSince(start), 350 - 2);
}
