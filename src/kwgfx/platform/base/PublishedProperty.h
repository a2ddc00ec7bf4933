// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Published properties: the explicit stand-in for the property type information that
/// C++ lacks. A persistent class lists its streamable properties as descriptors bound to
/// one instance (name, kind, getter, setter, default, stored-test); the property writer
/// and reader (PropertyWriter.h, PropertyReader.h) stream them.
///
/// A property is written when its stored-test (if any) says so and its value differs
/// from its default (if it has one). Nested persistent objects are read and written in
/// place through their getter; an object whose own properties all stay unwritten is not
/// written at all.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kw::platform {

class TPersistent;

/// The kind of a published property's value.
enum class TPropertyKind {
    pkInteger,
    pkSingle,
    pkDouble,
    pkEnumeration,
    pkSet,
    pkString,
    pkBoolean,
    pkObject
};

/// A property value in its common representation: integers, enumeration ordinals and set
/// bit masks as int64_t, both float kinds as double (exact for Single), strings, booleans.
using TPropertyValue = std::variant<int64_t, double, std::string, bool>;

/// The descriptor of one published property of one instance: name, kind, getter, setter, default
/// and stored-test.
class TPublishedProperty {
public:
    /// A property of a 32-bit integer, with an optional default value; the builders below do the
    /// same for their kinds.
    static TPublishedProperty Integer(std::string Name, std::function<int32_t()> Getter,
                                      std::function<void(int32_t)> Setter,
                                      std::optional<int32_t> Default = std::nullopt);
    /// A property of a single-precision float.
    static TPublishedProperty Single(std::string Name, std::function<float()> Getter,
                                     std::function<void(float)> Setter,
                                     std::optional<float> Default = std::nullopt);
    /// A property of a double-precision float.
    static TPublishedProperty Double(std::string Name, std::function<double()> Getter,
                                     std::function<void(double)> Setter,
                                     std::optional<double> Default = std::nullopt);
    /// A property of a boolean.
    static TPublishedProperty Boolean(std::string Name, std::function<bool()> Getter,
                                      std::function<void(bool)> Setter,
                                      std::optional<bool> Default = std::nullopt);
    /// A property of a string.
    static TPublishedProperty String(std::string Name, std::function<std::string()> Getter,
                                     std::function<void(const std::string&)> Setter,
                                     std::optional<std::string> Default = std::nullopt);
    /// An enumeration streamed by member name; Members[i] names ordinal i.
    static TPublishedProperty Enumeration(std::string Name, std::vector<std::string> Members,
                                          std::function<int()> Getter,
                                          std::function<void(int)> Setter,
                                          std::optional<int> Default = std::nullopt);
    /// The same for an enum type E whose ordinals are 0, 1, ...
    template <typename E>
    static TPublishedProperty Enumeration(std::string Name, std::vector<std::string> Members,
                                          std::function<E()> Getter, std::function<void(E)> Setter,
                                          std::optional<E> Default = std::nullopt) {
        std::optional<int> def;
        if (Default) def = static_cast<int>(*Default);
        return Enumeration(
            std::move(Name), std::move(Members), [Getter] { return static_cast<int>(Getter()); },
            [Setter](int V) { Setter(static_cast<E>(V)); }, def);
    }
    /// A set streamed as the names of its members; bit n of the mask is Members[n]
    /// (at most 32 members).
    static TPublishedProperty Set(std::string Name, std::vector<std::string> Members,
                                  std::function<uint32_t()> Getter,
                                  std::function<void(uint32_t)> Setter,
                                  std::optional<uint32_t> Default = std::nullopt);
    /// A nested persistent object, streamed in place: its properties are read into and
    /// written from the object that Getter returns (which may be null: then nothing is
    /// written and reading it is an error).
    static TPublishedProperty Object(std::string Name, std::function<TPersistent*()> Getter);

    /// Stored-tests: the property is written only while Test returns true / never.
    ///@{
    TPublishedProperty& StoredIf(std::function<bool()> Test);
    TPublishedProperty& NotStored();
    ///@}

    /// The property's name.
    const std::string& Name() const { return FName; }
    /// The kind of its value.
    TPropertyKind Kind() const { return FKind; }
    /// The member names of an enumeration or set property; empty for other kinds.
    const std::vector<std::string>& Members() const { return FMembers; }

    /// The current value, from the getter (not for pkObject).
    TPropertyValue GetValue() const;
    /// Hands Value to the setter; its alternative must match the kind (EConvertError if not).
    void SetValue(const TPropertyValue& Value) const;
    /// The nested object of a pkObject property, from its getter; may be null.
    TPersistent* GetObject() const;
    /// The stored-test and the default: whether a writer writes the current value.
    bool IsStored() const;
    /// The default value, if the property has one.
    const std::optional<TPropertyValue>& Default() const { return FDefault; }

private:
    TPublishedProperty(std::string Name, TPropertyKind Kind);

    std::string FName;
    TPropertyKind FKind;
    std::vector<std::string> FMembers;
    std::function<TPropertyValue()> FGet;
    std::function<void(const TPropertyValue&)> FSet;
    std::function<TPersistent*()> FGetObject;
    std::optional<TPropertyValue> FDefault;
    std::function<bool()> FStored;
    bool FNeverStored = false;
};

/// The published properties of one object, in streaming order.
using TPublishedProperties = std::vector<TPublishedProperty>;

} // namespace kw::platform
