// SPDX-License-Identifier: MIT
// hint_window: a hint that shows for a moment and hides itself, in a program that ends
// once it has.
//
//   hint_window [OUT.png] [MILLISECONDS]     (hint.png and 800 unless given)
//
// The hint counts down on the application's message loop, on the steady clock (real time).
// The loop runs until the hint's timer hides it; then the program prints how long the hint
// was up and ends. The hint's picture, as it was while shown, is saved to OUT.png.

#include <kwgfx/KwHintWindow.h>
#include <kwgfx/backends/cairo/BitmapWindowSurface.h>
#include <kwgfx/backends/cairo/CairoStaticData.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

namespace {

using namespace kw::platform;

// A hint that ends the message loop when its timer has hidden it.
class TClosingHint : public kw::TKwHintWindow {
public:
    using TKwHintWindow::TKwHintWindow;

    void TimeOut(TObject* Sender) override {
        TKwHintWindow::TimeOut(Sender);
        Application().MessageLoop().Terminate();
    }
};

// Shows the hint, saves its picture and runs the message loop until the hint has hidden
// itself. Returns the program's status.
int ShowHint(const std::string& PngFile, int Interval) {
    // Windows paint into bitmaps, so the hint's picture can be saved.
    Application().SetWindowSurfaceFactory([] { return std::make_unique<TBitmapWindowSurface>(); });

    TClosingHint hint(nullptr);
    hint.SetInterval(Interval);
    const auto shown = std::chrono::steady_clock::now();
    hint.ActivateHint(TPoint(40, 40), "Saved: 3 files, 12 KB");
    static_cast<TBitmapWindowSurface&>(hint.Surface()).Bitmap().SaveToFile(PngFile);

    Application().MessageLoop().Run(); // until TimeOut terminates it
    const auto up = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - shown);

    std::printf("hint shown for %lld ms (interval %d ms), now %s\n",
                static_cast<long long>(up.count()), Interval,
                hint.IsWindowVisible() ? "visible" : "hidden");
    return hint.IsWindowVisible() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    int status = 1;
    try {
        status = ShowHint(argc > 1 ? argv[1] : "hint.png", argc > 2 ? std::atoi(argv[2]) : 800);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hint_window: %s\n", e.what());
    }
    // With every window gone, Cairo's font caches can go too: leak checkers then see a
    // clean exit.
    ReleaseCairoStaticData();
    return status;
}
