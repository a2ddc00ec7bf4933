// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Window handles and messages: a small registry of windows, each with a window procedure
/// that receives the messages sent to it.
///
/// Handles are never reused, so a handle whose window was destroyed stays invalid for
/// good. The desktop window always exists; it ignores every message.
/// A window's procedure decides what a message does. DefWindowProc gives the default
/// handling: WM_CLOSE destroys the window. A window created without procedure gets
/// the default handling for every message.

#include <cstdint>
#include <functional>

namespace kw::platform {

/// A window's handle; 0 is none.
using HWND = uintptr_t;
/// The first parameter of a message.
using WPARAM = uintptr_t;
/// The second parameter of a message.
using LPARAM = intptr_t;
/// The result of a message.
using LRESULT = intptr_t;

inline constexpr uint32_t WM_DESTROY = 0x0002; ///< Sent to a window as it is destroyed.
/// Asks a window to close; the default handling destroys it.
inline constexpr uint32_t WM_CLOSE = 0x0010;

/// A window procedure: handles a message sent to the window and returns its result.
using TWindowProc = std::function<LRESULT(HWND Window, uint32_t Msg, WPARAM WParam, LPARAM LParam)>;

/// A new window; its procedure gets every message sent to it, WM_DESTROY included.
HWND CreateWindowHandle(TWindowProc WindowProc = {});
/// Sends WM_DESTROY to the window and removes it; false for a handle that is not a window
/// (and for the desktop window, which cannot be destroyed).
bool DestroyWindow(HWND Window);
/// Whether the handle names an existing window.
bool IsWindow(HWND Window);
/// Calls the window's procedure with the message and returns its result, once it has been
/// handled; 0 for a handle that is not a window.
LRESULT SendMessage(HWND Window, uint32_t Msg, WPARAM WParam, LPARAM LParam);
/// The default handling of a message: WM_CLOSE destroys the window; the result is 0.
LRESULT DefWindowProc(HWND Window, uint32_t Msg, WPARAM WParam, LPARAM LParam);
/// The desktop window, which always exists.
HWND GetDesktopWindow();

} // namespace kw::platform
