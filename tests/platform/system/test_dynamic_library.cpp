// SPDX-License-Identifier: MIT
// Dynamic libraries: the system loader finds real libraries only, and a module stays
// usable after the loader that made it is replaced.
#include <kwgfx/platform/system/DynamicLibrary.h>

#include "support/FakeLibraryLoader.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

using namespace kw::platform;
using kw::test::TFakeLoader;

namespace {

// Stand-ins for the two exports of the help viewer: only their addresses matter here.
int FakeHtmlHelpA() {
    return 1;
}
int FakeHtmlHelpW() {
    return 2;
}

std::map<std::string, void*> BothExports() {
    return {{"HtmlHelpA", reinterpret_cast<void*>(&FakeHtmlHelpA)},
            {"HtmlHelpW", reinterpret_cast<void*>(&FakeHtmlHelpW)}};
}

} // namespace

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
