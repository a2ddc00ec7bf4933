// SPDX-License-Identifier: MIT
#include "kwgfx/platform/windowing/WindowHandles.h"

#include <map>

namespace kw::platform {

namespace {

constexpr HWND DesktopWindow = 0x10010;

struct TWindows {
    std::map<HWND, TWindowProc> Procs;
    HWND NextHandle = DesktopWindow + 2;
};

// Never destroyed: windows may be closed during static shutdown.
TWindows& Windows() {
    static auto* windows = new TWindows();
    return *windows;
}

} // namespace

HWND CreateWindowHandle(TWindowProc WindowProc) {
    TWindows& windows = Windows();
    const HWND handle = windows.NextHandle;
    windows.NextHandle += 2;
    windows.Procs.emplace(handle, std::move(WindowProc));
    return handle;
}

bool IsWindow(HWND Window) {
    return Window == DesktopWindow || Windows().Procs.count(Window) != 0;
}

HWND GetDesktopWindow() {
    return DesktopWindow;
}

LRESULT SendMessage(HWND Window, uint32_t Msg, WPARAM WParam, LPARAM LParam) {
    if (Window == DesktopWindow) return 0;
    const auto it = Windows().Procs.find(Window);
    if (it == Windows().Procs.end()) return 0;
    // A copy: the procedure may destroy its own window while it runs.
    const TWindowProc proc = it->second;
    return proc ? proc(Window, Msg, WParam, LParam) : DefWindowProc(Window, Msg, WParam, LParam);
}

LRESULT DefWindowProc(HWND Window, uint32_t Msg, WPARAM, LPARAM) {
    if (Msg == WM_CLOSE) DestroyWindow(Window);
    return 0;
}

bool DestroyWindow(HWND Window) {
    if (Window == DesktopWindow || !Windows().Procs.count(Window)) return false;
    // The window still exists while it handles WM_DESTROY, but its procedure is no longer
    // called: messages sent to it from inside that handler are ignored.
    auto it = Windows().Procs.find(Window);
    TWindowProc proc = std::move(it->second);
    it->second = [](HWND, uint32_t, WPARAM, LPARAM) -> LRESULT { return 0; };
    if (proc) proc(Window, WM_DESTROY, 0, 0);
    Windows().Procs.erase(Window);
    return true;
}

} // namespace kw::platform
