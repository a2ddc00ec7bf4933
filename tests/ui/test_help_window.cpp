// The help window display with a fake viewer module, and the platform services it uses:
// the library loader, the registry, window handles and message dialogs.
#include <kwgfx/KwVclHelperFunctions.h>
#include <kwgfx/platform/controls/MessageDialog.h>
#include <kwgfx/platform/system/DynamicLibrary.h>
#include <kwgfx/platform/system/Files.h>
#include <kwgfx/platform/system/Registry.h>
#include <kwgfx/platform/windowing/WindowHandles.h>
#include <kwgfx/ui/KwHelpViewer.h>

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

struct TLoaderLog {
    std::vector<std::string> Loads;
    int Freed = 0;
};

class TFakeModule : public TLoadedModule {
public:
    TFakeModule(std::map<std::string, void*> Exports, std::shared_ptr<TLoaderLog> Log)
        : FExports(std::move(Exports)), FLog(std::move(Log)) {}
    ~TFakeModule() override { ++FLog->Freed; }
    void* ProcAddress(std::string_view Name) override {
        const auto it = FExports.find(std::string(Name));
        return it == FExports.end() ? nullptr : it->second;
    }

private:
    std::map<std::string, void*> FExports;
    std::shared_ptr<TLoaderLog> FLog;
};

// Hands out the viewer under its library name with the chosen exports; FailFirst loads
// fail before one succeeds.
class TFakeLoader : public TLibraryLoader {
public:
    explicit TFakeLoader(std::map<std::string, void*> Exports, int FailFirst = 0)
        : Log(std::make_shared<TLoaderLog>()), FExports(std::move(Exports)), FFailures(FailFirst) {}
    std::unique_ptr<TLoadedModule> Load(std::string_view FileName) override {
        Log->Loads.emplace_back(FileName);
        if (FileName != "hhctrl.ocx" || FFailures-- > 0) return nullptr;
        return std::make_unique<TFakeModule>(FExports, Log);
    }
    std::shared_ptr<TLoaderLog> Log;

private:
    std::map<std::string, void*> FExports;
    int FFailures;
};

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

// ---------------------------------------------------------------- help display

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

// ---------------------------------------------------------------- platform services

TEST(LibraryLoader, TheSystemLoaderFindsRealLibrariesOnly) {
    SetLibraryLoader(nullptr);
    EXPECT_EQ(LoadLibrary("hhctrl.ocx"), nullptr);
    EXPECT_EQ(LoadLibrary(""), nullptr);
    HMODULE libc = LoadLibrary("libc.so.6");
    ASSERT_NE(libc, nullptr);
    EXPECT_NE(GetProcAddress(libc, "strlen"), nullptr);
    EXPECT_EQ(GetProcAddress(libc, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "strlen"), nullptr);
    EXPECT_TRUE(FreeLibrary(libc));
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(LibraryLoader, AModuleOutlivesTheLoaderThatMadeIt) {
    auto loader = std::make_shared<TFakeLoader>(BothExports());
    const auto log = loader->Log;
    SetLibraryLoader(loader);
    HMODULE module = LoadLibrary("hhctrl.ocx");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(SetLibraryLoader(nullptr), loader);
    loader.reset();
    EXPECT_EQ(GetProcAddress(module, "HtmlHelpW"), reinterpret_cast<void*>(&FakeHtmlHelpW));
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(log->Freed, 1);
}

TEST(RegistryStore, KeysPathsAndValues) {
    RegistryClear();
    RegistryWriteString(HKEY_CURRENT_USER, "Software\\Maker\\App", "Dir", "/opt/app/");
    RegistryWriteString(HKEY_CURRENT_USER, "Software\\Maker\\App", "", "default");
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(reg.ReadString("Dir"), "");          // no key open
    EXPECT_TRUE(reg.KeyExists("software\\maker")); // keys above a value exist too
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\Maker\\Missing"));
    EXPECT_FALSE(reg.HasCurrentKey());
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\\\maker\\"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("App")); // below the open key
    EXPECT_EQ(reg.CurrentPath(), "software\\maker\\app");
    EXPECT_EQ(reg.ReadString("dir"), "/opt/app/");
    EXPECT_EQ(reg.ReadString(""), "default");
    EXPECT_TRUE(reg.ValueExists("DIR"));
    EXPECT_FALSE(reg.ValueExists("Other"));
    EXPECT_EQ(reg.ReadString("Other"), "");
    reg.SetRootKey(HKEY_LOCAL_MACHINE); // closes the key
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\Maker\\App"));
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_TRUE(RegistryDeleteKey(HKEY_CURRENT_USER, "software\\maker"));
    EXPECT_FALSE(reg.KeyExists("Software\\Maker\\App"));
    EXPECT_TRUE(reg.KeyExists("Software"));
    EXPECT_FALSE(RegistryDeleteKey(HKEY_CURRENT_USER, "software\\maker"));
    RegistryClear();
}

TEST(WindowHandles, MessagesCloseAndDestroy) {
    std::vector<uint32_t> received;
    const HWND stubborn = CreateWindowHandle([&](HWND, uint32_t Msg, WPARAM, LPARAM) -> LRESULT {
        received.push_back(Msg);
        return 7; // handles WM_CLOSE itself by staying open
    });
    const HWND plain = CreateWindowHandle();
    EXPECT_NE(stubborn, plain);
    EXPECT_EQ(SendMessage(stubborn, WM_CLOSE, 0, 0), 7);
    EXPECT_TRUE(IsWindow(stubborn));
    EXPECT_EQ(SendMessage(plain, WM_CLOSE, 0, 0), 0); // default handling destroys it
    EXPECT_FALSE(IsWindow(plain));
    EXPECT_EQ(SendMessage(plain, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(DestroyWindow(stubborn));
    EXPECT_EQ(received, (std::vector<uint32_t>{WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(DestroyWindow(stubborn));
    EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
    // Handles are not reused.
    const HWND next = CreateWindowHandle();
    EXPECT_NE(next, stubborn);
    EXPECT_NE(next, plain);
    DestroyWindow(next);
}

TEST(MessageDialogs, TheDefaultWritesToStandardErrorAndAnswersOk) {
    const TMessageDlgSink previous = SetMessageDlgSink({});
    ::testing::internal::CaptureStderr();
    const int32_t answer = MessageDlg("Disk full.", mtError, {mbOK}, 0);
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, mrOk);
    EXPECT_EQ(written, "Error: Disk full.\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, {mbNo, mbYes}, 0), mrYes);
    ::testing::internal::GetCapturedStderr();
    ::testing::internal::CaptureStderr();
    MessageDlg("Go on?", mtConfirmation, {mbNo}, 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Confirmation: Go on?\n");
    SetMessageDlgSink(previous);
}

TEST(Files, FileExistsForFilesOnly) {
    const fs::path dir = fs::temp_directory_path() / ("kwgfx-files-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "a.txt";
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileExists(file.string()));
    EXPECT_FALSE(FileExists(dir.string()));
    EXPECT_FALSE(FileExists((dir / "b.txt").string()));
    EXPECT_FALSE(FileExists(""));
    fs::remove_all(dir);
}
