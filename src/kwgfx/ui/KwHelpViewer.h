// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The help viewer library: loaded on the first help call that finds it absent, kept
/// until the library shuts down (the package's unload), then released.
///
/// The viewer is the library "hhctrl.ocx" with the exports "HtmlHelpA" and "HtmlHelpW";
/// it counts as available only when both are found, and only "HtmlHelpW" is called. A
/// failed load is tried again on the next call. Where the system has no such library
/// (any system without the viewer), every call answers 0.
///
/// Text: the library's texts are UTF-8; the viewer takes UTF-16, so the target is converted
/// on the way in and handed over zero-terminated.

#include "kwgfx/platform/windowing/WindowHandles.h"

#include <cstdint>
#include <string_view>

namespace kw {

/// The library file of the help viewer.
inline constexpr const char* HelpViewerLibraryName = "hhctrl.ocx";
/// Its export taking 8-bit text (not used: the library calls the UTF-16 one).
inline constexpr const char* HelpViewerAnsiExport = "HtmlHelpA";
inline constexpr const char* HelpViewerWideExport = "HtmlHelpW"; ///< Its export taking UTF-16 text.

/// The form of the viewer's "HtmlHelpW" export: caller window, zero-terminated UTF-16
/// target, command, data; returns the help window or 0.
using THtmlHelpFunction = platform::HWND (*)(platform::HWND Caller, const char16_t* File,
                                             uint32_t Command, uintptr_t Data);

/// The unit's start-up (no viewer held) and shutdown (the viewer released), behind the
/// unit's load counter; each returns true when it ran its body. The package runs them.
///@{
bool KwVclHelperFunctionsStartUp();
bool KwVclHelperFunctionsShutDown();
///@}

namespace detail {

/// The one way to the viewer: loads it when needed and calls "HtmlHelpW" with the target
/// converted to UTF-16; 0 when the viewer is not available.
platform::HWND HtmlHelpCall(platform::HWND Caller, std::string_view Target, uint32_t Command,
                            uint32_t Data);
/// True while a viewer module is held (both exports found or not).
bool HelpViewerLoaded();
/// True when the held module has both exports.
bool HelpViewerAvailable();
/// Releases a held viewer module; the next help call loads it again.
void ReleaseHelpViewer();

} // namespace detail
} // namespace kw
