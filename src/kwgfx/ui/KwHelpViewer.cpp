// SPDX-License-Identifier: MIT
#include "kwgfx/ui/KwHelpViewer.h"

#include "kwgfx/platform/base/KwUnitLifecycle.h"
#include "kwgfx/platform/system/DynamicLibrary.h"
#include "kwgfx/platform/text/Utf16Text.h"

#include <string>

namespace kw {

namespace {

// Plain data, constant-initialised: valid before any start-up and after every shutdown,
// whatever order the program's static objects are built and destroyed in.
struct THelpViewerState {
    platform::HMODULE Module = nullptr;
    void* AnsiEntry = nullptr;
    void* WideEntry = nullptr;
};

constinit THelpViewerState gViewer{};

void Release() {
    platform::HMODULE module = gViewer.Module;
    gViewer = THelpViewerState{};
    platform::FreeLibrary(module);
}

// The unit starts without a viewer; one loaded by a help call made while the unit was
// not started (after the last unload) is released here rather than forgotten.
void StartUpBody() {
    Release();
}

void ShutDownBody() {
    Release();
}

constinit TKwUnitLifecycle gHelperFunctionsUnit{StartUpBody, ShutDownBody};

void EnsureLoaded() {
    if (gViewer.Module) return;
    gViewer.Module = platform::LoadLibrary(HelpViewerLibraryName);
    if (!gViewer.Module) return;
    gViewer.AnsiEntry = platform::GetProcAddress(gViewer.Module, HelpViewerAnsiExport);
    gViewer.WideEntry = platform::GetProcAddress(gViewer.Module, HelpViewerWideExport);
}

} // namespace

bool KwVclHelperFunctionsStartUp() {
    return gHelperFunctionsUnit.StartUp();
}

bool KwVclHelperFunctionsShutDown() {
    return gHelperFunctionsUnit.ShutDown();
}

namespace detail {

platform::HWND HtmlHelpCall(platform::HWND Caller, std::string_view Target, uint32_t Command,
                            uint32_t Data) {
    EnsureLoaded();
    if (!HelpViewerAvailable()) return 0;
    const std::u16string target = platform::Utf8ToUtf16(Target);
    const auto htmlHelp = reinterpret_cast<THtmlHelpFunction>(gViewer.WideEntry);
    return htmlHelp(Caller, target.c_str(), Command, uintptr_t(Data));
}

bool HelpViewerLoaded() {
    return gViewer.Module != nullptr;
}

bool HelpViewerAvailable() {
    return gViewer.Module && gViewer.AnsiEntry && gViewer.WideEntry;
}

void ReleaseHelpViewer() {
    Release();
}

} // namespace detail
} // namespace kw
