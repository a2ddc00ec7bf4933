// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The registry of classes known by name: each entry is a class record with the class's
/// name and its parent class, so a program can walk from a name up to the root class.
///
/// Class records are plain constants that outlive the registry, typically
///     constexpr TClassRecord TMyControlClass{"TMyControl", &TControlClass};
/// The platform's own persistent classes are registered from the start: TPersistent
/// (parent TObject), TComponent (parent TPersistent). TObject itself is the root record,
/// known as the parent of every chain but not registered. Lookups ignore ASCII case.

#include <string_view>

namespace kw::platform {

/// A class known by name: its name and its parent's record.
struct TClassRecord {
    std::string_view Name; ///< The class's name.
    /// The parent class's record; null for the root class TObject.
    const TClassRecord* Parent = nullptr;

    /// The class's name.
    constexpr std::string_view ClassName() const { return Name; }
    /// The parent class's record, or null.
    constexpr const TClassRecord* ClassParent() const { return Parent; }
};

/// A class, named by its record.
using TClass = const TClassRecord*;

inline constexpr TClassRecord TObjectClass{"TObject", nullptr}; ///< The root record.
/// TPersistent, registered from the start.
inline constexpr TClassRecord TPersistentClass{"TPersistent", &TObjectClass};
/// TComponent, registered from the start.
inline constexpr TClassRecord TComponentClass{"TComponent", &TPersistentClass};

/// Registers a class under its name. True when it is registered afterwards: false when
/// another record already holds the name (the first one stays), or the class is nullptr.
bool RegisterClass(TClass Class);
/// Removes the class (the very record) from the registry; other records are untouched.
void UnRegisterClass(TClass Class);
/// The registered class of that name, or nullptr.
TClass GetClass(std::string_view Name);

} // namespace kw::platform
