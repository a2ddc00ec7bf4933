// SPDX-License-Identifier: MIT
// The help window display with a fake viewer module: topics, the viewer's loading and
// release, the folder from the registry, closing, and the unit's shutdown.
#include <kwgfx/KwVclHelperFunctions.h>
#include <kwgfx/platform/controls/MessageDialog.h>
#include <kwgfx/platform/system/DynamicLibrary.h>
#include <kwgfx/platform/system/Registry.h>
#include <kwgfx/platform/windowing/WindowHandles.h>
#include <kwgfx/ui/KwHelpViewer.h>

#include "support/FakeLibraryLoader.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace kw;
using namespace kw::platform;
using kw::test::TFakeLoader;
using kw::test::TLoaderLog;
namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------- the fake viewer

struct TViewerCall {
    HWND Caller;
    std::u16string Target;
    uint32_t Command;
    uintptr_t Data;
};

std::vector<TViewerCall> gViewerCalls;
std::vector<HWND> gClosedWindows;

// Opens a help window that records its WM_CLOSE and then closes as usual.
HWND FakeHtmlHelpW(HWND Caller, const char16_t* File, uint32_t Command, uintptr_t Data) {
    gViewerCalls.push_back({Caller, File, Command, Data});
    return CreateWindowHandle([](HWND Window, uint32_t Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg == WM_CLOSE) gClosedWindows.push_back(Window);
        return DefWindowProc(Window, Msg, W, L);
    });
}

HWND FakeHtmlHelpA(HWND, const char*, uint32_t, uintptr_t) {
    ADD_FAILURE() << "the ANSI export is never called";
    return 0;
}

std::map<std::string, void*> BothExports() {
    return {{"HtmlHelpA", reinterpret_cast<void*>(&FakeHtmlHelpA)},
            {"HtmlHelpW", reinterpret_cast<void*>(&FakeHtmlHelpW)}};
}

// ---------------------------------------------------------------- the fixture

class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override {
        gViewerCalls.clear();
        gClosedWindows.clear();
        detail::ReleaseHelpViewer();
        Dialogs.clear();
        FPreviousSink = SetMessageDlgSink([this](const TMessageDlgRequest& R) {
            Dialogs.push_back(R);
            return int32_t(mrOk);
        });
        Folder = fs::temp_directory_path() / ("kwgfx-help-" + std::to_string(::getpid()));
        fs::create_directories(Folder);
        HelpFile = (Folder / "Manual.chm").string();
        std::ofstream(HelpFile) << "help";
        RegistryClear();
    }
    void TearDown() override {
        detail::ReleaseHelpViewer();
        SetLibraryLoader(nullptr);
        SetMessageDlgSink(std::move(FPreviousSink));
        RegistryClear();
        fs::remove_all(Folder);
    }

    std::shared_ptr<TLoaderLog> UseViewer(std::map<std::string, void*> Exports, int FailFirst = 0) {
        auto loader = std::make_shared<TFakeLoader>(std::move(Exports), FailFirst);
        SetLibraryLoader(loader);
        return loader->Log;
    }

    std::vector<TMessageDlgRequest> Dialogs;
    fs::path Folder;
    std::string HelpFile;

private:
    TMessageDlgSink FPreviousSink;
};

std::u16string U16(const std::string& Ascii) {
    return std::u16string(Ascii.begin(), Ascii.end());
}

} // namespace

TEST_F(HelpWindow, AMissingFileIsReportedWithoutLoadingTheViewer) {
    const auto log = UseViewer(BothExports());
    const std::string missing = (Folder / "Nothing.chm").string();
    EXPECT_EQ(DisplayHelpWindow(missing, 1, 2), 0u);
    EXPECT_EQ(DisplayHelpWindow(missing, "Intro"), 0u);
    ASSERT_EQ(Dialogs.size(), 2u);
    EXPECT_EQ(Dialogs[0].Message, "Help File (" + missing + ") could not be found.");
    EXPECT_EQ(Dialogs[0].DlgType, mtError);
    EXPECT_EQ(Dialogs[0].Buttons, TMsgDlgButtons{mbOK});
    EXPECT_EQ(Dialogs[0].HelpContext, 0);
    EXPECT_TRUE(log->Loads.empty());
    EXPECT_FALSE(detail::HelpViewerLoaded());
    // A folder is not a help file either.
    EXPECT_EQ(DisplayHelpWindow(Folder.string(), ""), 0u);
    EXPECT_EQ(Dialogs.size(), 3u);
}

TEST_F(HelpWindow, TopicsAreLoweredIntoAPageOfTheFile) {
    UseViewer(BothExports());
    const HWND window = DisplayHelpWindow(HelpFile, "Intro");
    EXPECT_NE(window, 0u);
    EXPECT_TRUE(IsWindow(window));
    DisplayHelpWindow(HelpFile, "");
    DisplayHelpWindow(HelpFile, "Getting_Started/Setup");
    ASSERT_EQ(gViewerCalls.size(), 3u);
    EXPECT_EQ(gViewerCalls[0].Target, U16(HelpFile + "::/intro.htm"));
    EXPECT_EQ(gViewerCalls[0].Caller, GetDesktopWindow());
    EXPECT_EQ(gViewerCalls[0].Command, 0u);
    EXPECT_EQ(gViewerCalls[0].Data, 0u);
    EXPECT_EQ(gViewerCalls[1].Target, U16(HelpFile));
    EXPECT_EQ(gViewerCalls[2].Target, U16(HelpFile + "::/getting_started/setup.htm"));
    EXPECT_TRUE(Dialogs.empty());
}

TEST_F(HelpWindow, CommandAndDataPassThroughAndTextArrivesAsUtf16) {
    UseViewer(BothExports());
    const std::string accented = (Folder / "H\xC3\xA9lp.chm").string(); // "Hélp.chm"
    std::ofstream(accented) << "help";
    EXPECT_NE(DisplayHelpWindow(accented, 0x0F, 0xFFFFFFFFu), 0u);
    ASSERT_EQ(gViewerCalls.size(), 1u);
    EXPECT_EQ(gViewerCalls[0].Command, 0x0Fu);
    EXPECT_EQ(gViewerCalls[0].Data, uintptr_t(0xFFFFFFFFu));
    const std::u16string& target = gViewerCalls[0].Target;
    ASSERT_GE(target.size(), 8u);
    EXPECT_EQ(target.substr(target.size() - 8), u"H\u00E9lp.chm");
}

TEST_F(HelpWindow, TheViewerIsLoadedOnceAndAFailedLoadIsRetried) {
    const auto log = UseViewer(BothExports(), 1);
    EXPECT_EQ(DisplayHelpWindow(HelpFile, ""), 0u); // the load fails
    EXPECT_FALSE(detail::HelpViewerLoaded());
    EXPECT_NE(DisplayHelpWindow(HelpFile, ""), 0u);
    EXPECT_NE(DisplayHelpWindow(HelpFile, "a"), 0u);
    EXPECT_EQ(log->Loads, (std::vector<std::string>{"hhctrl.ocx", "hhctrl.ocx"}));
    EXPECT_EQ(log->Freed, 0);
    detail::ReleaseHelpViewer();
    EXPECT_EQ(log->Freed, 1);
    EXPECT_TRUE(Dialogs.empty());
}

TEST_F(HelpWindow, AViewerWithOnlyOneOfTheExportsIsNotUsed) {
    for (const char* only : {"HtmlHelpA", "HtmlHelpW"}) {
        detail::ReleaseHelpViewer();
        auto exports = BothExports();
        exports.erase(std::string(only) == "HtmlHelpA" ? "HtmlHelpW" : "HtmlHelpA");
        ASSERT_EQ(exports.count(only), 1u);
        UseViewer(exports);
        EXPECT_EQ(DisplayHelpWindow(HelpFile, "Intro"), 0u) << only;
        EXPECT_EQ(DisplayHelpWindow(HelpFile, 0, 0), 0u) << only;
        EXPECT_TRUE(detail::HelpViewerLoaded());
        EXPECT_FALSE(detail::HelpViewerAvailable());
    }
    EXPECT_TRUE(gViewerCalls.empty());
    EXPECT_TRUE(Dialogs.empty());
}

TEST_F(HelpWindow, WithoutAViewerOnTheSystemEveryCallAnswersZero) {
    SetLibraryLoader(nullptr); // the system's dynamic linker: there is no such library here
    EXPECT_EQ(DisplayHelpWindow(HelpFile, "Intro"), 0u);
    EXPECT_EQ(DisplayHelpWindow(HelpFile, 1, 1), 0u);
    EXPECT_FALSE(detail::HelpViewerLoaded());
    EXPECT_TRUE(Dialogs.empty());
}

TEST_F(HelpWindow, TheFolderFromTheRegistryIsJoinedToTheFileName) {
    UseViewer(BothExports());
    const std::string folder = Folder.string() + "/";
    RegistryWriteString(HKEY_LOCAL_MACHINE, "Software\\Maker\\Product", "HelpDir", folder);
    RegistryWriteString(HKEY_CURRENT_USER, "Software\\Maker\\Product", "HelpDir", "");

    EXPECT_NE(DisplayHelpWindow("\\Software\\Maker\\Product", "Manual.chm", "helpdir", "Intro",
                                HKEY_LOCAL_MACHINE),
              0u);
    ASSERT_EQ(gViewerCalls.size(), 1u);
    EXPECT_EQ(gViewerCalls[0].Target, U16(folder + "Manual.chm::/intro.htm"));

    // Empty value, absent value, absent key, other root: 0 and no message.
    EXPECT_EQ(DisplayHelpWindow("Software\\Maker\\Product", "Manual.chm", "HelpDir", "",
                                HKEY_CURRENT_USER),
              0u);
    EXPECT_EQ(DisplayHelpWindow("Software\\Maker\\Product", "Manual.chm", "Other", "",
                                HKEY_LOCAL_MACHINE),
              0u);
    EXPECT_EQ(
        DisplayHelpWindow("Software\\Nobody", "Manual.chm", "HelpDir", "", HKEY_LOCAL_MACHINE), 0u);
    EXPECT_EQ(
        DisplayHelpWindow("Software\\Maker\\Product", "Manual.chm", "HelpDir", "", HKEY_USERS), 0u);
    EXPECT_TRUE(Dialogs.empty());
    EXPECT_EQ(gViewerCalls.size(), 1u);

    // A folder whose help file is missing: the dialog names the joined path.
    EXPECT_EQ(DisplayHelpWindow("Software\\Maker\\Product", "Missing.chm", "HelpDir", "Intro",
                                HKEY_LOCAL_MACHINE),
              0u);
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Message, "Help File (" + folder + "Missing.chm) could not be found.");
}

TEST_F(HelpWindow, CloseHelpWindowClosesALiveWindowOnly) {
    UseViewer(BothExports());
    const HWND window = DisplayHelpWindow(HelpFile, "");
    ASSERT_TRUE(IsWindow(window));
    CloseHelpWindow(window);
    EXPECT_EQ(gClosedWindows, std::vector<HWND>{window});
    EXPECT_FALSE(IsWindow(window));
    CloseHelpWindow(window); // no longer a window: nothing happens
    CloseHelpWindow(0);
    EXPECT_EQ(gClosedWindows.size(), 1u);
    CloseHelpWindow(GetDesktopWindow()); // the desktop ignores the request
    EXPECT_TRUE(IsWindow(GetDesktopWindow()));
}

TEST_F(HelpWindow, TheLibraryShutdownReleasesTheViewer) {
    EXPECT_EXIT(
        {
            const auto log = UseViewer(BothExports());
            DisplayHelpWindow(HelpFile, "");
            // Unload the package as often as it was loaded: the last unload runs the
            // shutdown of the help unit.
            int unloads = 0;
            while (!KwVclHelperFunctionsShutDown() && unloads < 1000) ++unloads;
            if (log->Freed != 1 || detail::HelpViewerLoaded()) std::_Exit(1);
            // A help call between unload and the next load holds the viewer again; the
            // next start-up begins without it and releases it rather than losing it.
            DisplayHelpWindow(HelpFile, "");
            if (!detail::HelpViewerLoaded()) std::_Exit(2);
            if (!KwVclHelperFunctionsStartUp()) std::_Exit(3);
            std::_Exit(log->Freed == 2 && !detail::HelpViewerLoaded() ? 0 : 4);
        },
        ::testing::ExitedWithCode(0), "");
}
