// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Showing and closing compiled HTML help in the platform's help viewer.
///
/// File names and topics are UTF-8. A help file that does not exist is reported to the
/// user in an error dialog (MessageDlg) with the text
/// `Help File (<file name>) could not be found.`
/// and the call returns 0 without touching the viewer. A missing viewer gives 0 silently.

#include "kwgfx/platform/system/Registry.h"
#include "kwgfx/platform/windowing/WindowHandles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kw {

using platform::HKEY;
using platform::HWND;

/// The dialog text for a help file that does not exist.
std::string HelpFileNotFoundMessage(std::string_view FileName);

/// Hands the file with Command and Data to the viewer; returns its help window or 0.
HWND DisplayHelpWindow(const std::string& FileName, uint32_t Command, uint32_t Data);
/// Shows Topic of the file: the page "<file>::/<topic in lower case>.htm", or the file's
/// default page when Topic is empty. Returns the help window or 0.
HWND DisplayHelpWindow(const std::string& FileName, std::string_view Topic);
/// Reads the help folder from the registry (value ValueName of key RegistryKeyPath below
/// RootKey) and shows Topic of folder + FileName. The two are joined as they stand, so the
/// folder should end with "/" (or the file name start with one). An absent key or value,
/// or an empty folder, returns 0 without any message.
HWND DisplayHelpWindow(std::string_view RegistryKeyPath, const std::string& FileName,
                       std::string_view ValueName, std::string_view Topic, HKEY RootKey);

/// Asks the help window to close (WM_CLOSE) and returns once it has handled the request;
/// nothing happens when the handle is not a window.
void CloseHelpWindow(HWND Window);

} // namespace kw
