// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A read-only view of a registry of keys and string values, over an in-memory store that
/// the application fills (there is no system registry to read here).
///
/// Keys sit below a root key and are named by paths of parts separated by "\"; writing a
/// value creates its key and every key above it. Key paths and value names ignore ASCII
/// letter case; the value name "" is the key's default value.

#include "kwgfx/platform/base/Object.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kw::platform {

/// A root key.
using HKEY = uint32_t;
/// The root keys the store has.
///@{
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;
///@}

/// The store: what the application or a test puts into the registry.
void RegistryWriteString(HKEY Root, std::string_view KeyPath, std::string_view ValueName,
                         std::string_view Value);
/// Removes a key with its values and every key below it; true when it existed.
bool RegistryDeleteKey(HKEY Root, std::string_view KeyPath);
/// Empties the whole store.
void RegistryClear();

/// Reads keys and values of the store. One key is open at a time.
class TRegistry : public TObject {
public:
    TRegistry() = default;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    /// The root key that paths start from; HKEY_CURRENT_USER unless set.
    HKEY RootKey() const { return FRootKey; }
    /// Choosing another root closes the open key.
    void SetRootKey(HKEY Root);

    /// Opens the key for reading; a path starting with "\" is taken from the root, any
    /// other from the open key (or the root when none is open). False, leaving the open
    /// key as it was, when the key does not exist.
    bool OpenKeyReadOnly(std::string_view Key);
    /// Whether the key exists; the path is resolved as OpenKeyReadOnly resolves it.
    bool KeyExists(std::string_view Key) const;
    /// Closes the open key.
    void CloseKey();
    /// Whether a key is open.
    bool HasCurrentKey() const { return FOpen; }
    /// The open key's path below the root, lower-cased, parts joined by "\"; empty when
    /// none is open or the root itself is.
    const std::string& CurrentPath() const { return FCurrentPath; }

    /// Whether the open key has a value of that name.
    bool ValueExists(std::string_view Name) const;
    /// The value of that name in the open key; empty when no key is open or it has no
    /// such value.
    std::string ReadString(std::string_view Name) const;

private:
    std::string Resolve(std::string_view Key) const;

    HKEY FRootKey = HKEY_CURRENT_USER;
    bool FOpen = false;
    std::string FCurrentPath;
};

} // namespace kw::platform
