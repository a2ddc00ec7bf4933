// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Loading code libraries at run time: LoadLibrary, GetProcAddress and FreeLibrary.
///
/// The loading goes through a replaceable loader. The default one uses the system's
/// dynamic linker (dlopen / dlsym / dlclose); a program or a test can install its own,
/// for instance one that hands out modules built in memory. A module remembers how to
/// release itself, so it may be freed after the loader that made it was replaced.

#include <memory>
#include <string_view>

namespace kw::platform {

/// A loaded code library. Destroying it releases the library.
class TLoadedModule {
public:
    virtual ~TLoadedModule() = default;
    /// The address of the exported symbol Name, or nullptr when the module has none.
    virtual void* ProcAddress(std::string_view Name) = 0;
};

/// Loads code libraries for LoadLibrary; see the file's description.
class TLibraryLoader {
public:
    virtual ~TLibraryLoader() = default;
    /// The module of that name, or nullptr when it cannot be loaded.
    virtual std::unique_ptr<TLoadedModule> Load(std::string_view FileName) = 0;
};

/// A module handle: nullptr when nothing is loaded.
using HMODULE = TLoadedModule*;

/// Installs Loader for every later LoadLibrary and returns the one it replaces; nullptr
/// goes back to the system's dynamic linker.
std::shared_ptr<TLibraryLoader> SetLibraryLoader(std::shared_ptr<TLibraryLoader> Loader);

/// The module of that name (file name or path, as the dynamic linker searches it), or
/// nullptr. Each successful call returns a new handle that FreeLibrary must release.
HMODULE LoadLibrary(std::string_view FileName);
/// The address of an export, or nullptr (also for a nullptr module).
void* GetProcAddress(HMODULE Module, std::string_view ProcName);
/// Releases the module; true when there was one to release.
bool FreeLibrary(HMODULE Module);

} // namespace kw::platform
