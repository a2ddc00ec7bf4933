// SPDX-License-Identifier: MIT
#pragma once
// A library loader that hands out a fake help viewer module with chosen exports, and logs
// what it loads and frees. Shared by the tests of the dynamic libraries and of the help
// window.

#include <kwgfx/platform/system/DynamicLibrary.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kw::test {

struct TLoaderLog {
    std::vector<std::string> Loads;
    int Freed = 0;
};

class TFakeModule : public platform::TLoadedModule {
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
class TFakeLoader : public platform::TLibraryLoader {
public:
    explicit TFakeLoader(std::map<std::string, void*> Exports, int FailFirst = 0)
        : Log(std::make_shared<TLoaderLog>()), FExports(std::move(Exports)), FFailures(FailFirst) {}
    std::unique_ptr<platform::TLoadedModule> Load(std::string_view FileName) override {
        Log->Loads.emplace_back(FileName);
        if (FileName != "hhctrl.ocx" || FFailures-- > 0) return nullptr;
        return std::make_unique<TFakeModule>(FExports, Log);
    }
    std::shared_ptr<TLoaderLog> Log;

private:
    std::map<std::string, void*> FExports;
    int FFailures;
};

} // namespace kw::test
