// SPDX-License-Identifier: MIT
#include "kwgfx/ui/KwHelpWindow.h"

#include "kwgfx/platform/controls/MessageDialog.h"
#include "kwgfx/platform/system/Files.h"
#include "kwgfx/platform/text/AsciiText.h"
#include "kwgfx/ui/KwHelpViewer.h"

namespace kw {

namespace {

// True when the file exists; otherwise tells the user and returns false.
bool HelpFileFound(const std::string& FileName) {
    if (platform::FileExists(FileName)) return true;
    platform::MessageDlg(HelpFileNotFoundMessage(FileName), platform::mtError, {platform::mbOK}, 0);
    return false;
}

std::string ReadHelpFolder(std::string_view KeyPath, std::string_view ValueName, HKEY RootKey) {
    platform::TRegistry registry; // closes its key however this returns
    registry.SetRootKey(RootKey);
    std::string folder;
    if (registry.OpenKeyReadOnly(KeyPath)) folder = registry.ReadString(ValueName);
    registry.CloseKey();
    return folder;
}

} // namespace

std::string HelpFileNotFoundMessage(std::string_view FileName) {
    std::string message = "Help File (";
    message += FileName;
    message += ") could not be found.";
    return message;
}

HWND DisplayHelpWindow(const std::string& FileName, uint32_t Command, uint32_t Data) {
    if (!HelpFileFound(FileName)) return 0;
    return detail::HtmlHelpCall(platform::GetDesktopWindow(), FileName, Command, Data);
}

HWND DisplayHelpWindow(const std::string& FileName, std::string_view Topic) {
    if (!HelpFileFound(FileName)) return 0;
    std::string target = FileName;
    if (!Topic.empty()) {
        target += "::/";
        target += platform::LowerCase(Topic);
        target += ".htm";
    }
    // Command 0 shows the target as a topic.
    return detail::HtmlHelpCall(platform::GetDesktopWindow(), target, 0, 0);
}

HWND DisplayHelpWindow(std::string_view RegistryKeyPath, const std::string& FileName,
                       std::string_view ValueName, std::string_view Topic, HKEY RootKey) {
    const std::string folder = ReadHelpFolder(RegistryKeyPath, ValueName, RootKey);
    if (folder.empty()) return 0;
    return DisplayHelpWindow(folder + FileName, Topic);
}

void CloseHelpWindow(HWND Window) {
    if (platform::IsWindow(Window)) platform::SendMessage(Window, platform::WM_CLOSE, 0, 0);
}

} // namespace kw
