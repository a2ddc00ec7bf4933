// SPDX-License-Identifier: MIT
#include "kwgfx/platform/system/DynamicLibrary.h"

#include <dlfcn.h>

#include <string>

namespace kw::platform {

namespace {

class TSharedObjectModule : public TLoadedModule {
public:
    explicit TSharedObjectModule(void* Handle) : FHandle(Handle) {}
    ~TSharedObjectModule() override { dlclose(FHandle); }

    void* ProcAddress(std::string_view Name) override {
        return dlsym(FHandle, std::string(Name).c_str());
    }

private:
    void* FHandle;
};

class TSharedObjectLoader : public TLibraryLoader {
public:
    std::unique_ptr<TLoadedModule> Load(std::string_view FileName) override {
        if (FileName.empty()) return nullptr; // dlopen("") would hand back the program itself
        void* handle = dlopen(std::string(FileName).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) return nullptr;
        return std::make_unique<TSharedObjectModule>(handle);
    }
};

// Never destroyed, so a module can still be loaded or freed during static shutdown.
std::shared_ptr<TLibraryLoader>& CurrentLoader() {
    static auto* loader = new std::shared_ptr<TLibraryLoader>();
    return *loader;
}

TLibraryLoader& ActiveLoader() {
    static TSharedObjectLoader* system = new TSharedObjectLoader();
    auto& current = CurrentLoader();
    return current ? *current : *system;
}

} // namespace

std::shared_ptr<TLibraryLoader> SetLibraryLoader(std::shared_ptr<TLibraryLoader> Loader) {
    std::shared_ptr<TLibraryLoader> previous = std::move(CurrentLoader());
    CurrentLoader() = std::move(Loader);
    return previous;
}

HMODULE LoadLibrary(std::string_view FileName) {
    return ActiveLoader().Load(FileName).release();
}

void* GetProcAddress(HMODULE Module, std::string_view ProcName) {
    return Module ? Module->ProcAddress(ProcName) : nullptr;
}

bool FreeLibrary(HMODULE Module) {
    if (!Module) return false;
    delete Module;
    return true;
}

} // namespace kw::platform
