// SPDX-License-Identifier: MIT
#include "kwgfx/platform/system/Registry.h"

#include "kwgfx/platform/text/AsciiText.h"

#include <map>
#include <utility>

namespace kw::platform {

namespace {

// A key's values, by lower-cased name.
using TValues = std::map<std::string, std::string>;
// Every key, by (root, lower-cased normalised path); the root itself has the path "".
using TKeys = std::map<std::pair<HKEY, std::string>, TValues>;

// Never destroyed: readable during static shutdown.
TKeys& Keys() {
    static auto* keys = new TKeys();
    return *keys;
}

// "\A\\b\" -> "a\b": empty parts dropped, ASCII letters lowered.
std::string NormalisedPath(std::string_view Path) {
    std::string result;
    size_t start = 0;
    while (start <= Path.size()) {
        size_t end = Path.find('\\', start);
        if (end == std::string_view::npos) end = Path.size();
        if (end > start) {
            if (!result.empty()) result += '\\';
            result += LowerCase(Path.substr(start, end - start));
        }
        start = end + 1;
    }
    return result;
}

bool IsKnownKey(HKEY Root, const std::string& Path) {
    return Path.empty() || Keys().count({Root, Path}) != 0;
}

} // namespace

void RegistryWriteString(HKEY Root, std::string_view KeyPath, std::string_view ValueName,
                         std::string_view Value) {
    const std::string path = NormalisedPath(KeyPath);
    // Create the key and each key above it.
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        Keys()[{Root, path.substr(0, at)}];
    Keys()[{Root, path}][LowerCase(ValueName)] = std::string(Value);
}

bool RegistryDeleteKey(HKEY Root, std::string_view KeyPath) {
    const std::string path = NormalisedPath(KeyPath);
    if (path.empty()) return false;
    auto& keys = Keys();
    const bool existed = keys.erase({Root, path}) != 0;
    const std::string below = path + '\\';
    for (auto it = keys.lower_bound({Root, below});
         it != keys.end() && it->first.first == Root && it->first.second.starts_with(below);)
        it = keys.erase(it);
    return existed;
}

void RegistryClear() {
    Keys().clear();
}

void TRegistry::SetRootKey(HKEY Root) {
    CloseKey();
    FRootKey = Root;
}

std::string TRegistry::Resolve(std::string_view Key) const {
    const bool fromRoot = !Key.empty() && Key.front() == '\\';
    const std::string relative = NormalisedPath(Key);
    if (fromRoot || !FOpen || FCurrentPath.empty()) return relative;
    return relative.empty() ? FCurrentPath : FCurrentPath + '\\' + relative;
}

bool TRegistry::OpenKeyReadOnly(std::string_view Key) {
    const std::string path = Resolve(Key);
    if (!IsKnownKey(FRootKey, path)) return false;
    FOpen = true;
    FCurrentPath = path;
    return true;
}

bool TRegistry::KeyExists(std::string_view Key) const {
    return IsKnownKey(FRootKey, Resolve(Key));
}

void TRegistry::CloseKey() {
    FOpen = false;
    FCurrentPath.clear();
}

bool TRegistry::ValueExists(std::string_view Name) const {
    if (!FOpen) return false;
    const auto key = Keys().find({FRootKey, FCurrentPath});
    return key != Keys().end() && key->second.count(LowerCase(Name)) != 0;
}

std::string TRegistry::ReadString(std::string_view Name) const {
    if (!FOpen) return {};
    const auto key = Keys().find({FRootKey, FCurrentPath});
    if (key == Keys().end()) return {};
    const auto value = key->second.find(LowerCase(Name));
    return value == key->second.end() ? std::string() : value->second;
}

} // namespace kw::platform
