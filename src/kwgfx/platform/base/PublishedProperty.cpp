// SPDX-License-Identifier: MIT
#include "kwgfx/platform/base/PublishedProperty.h"

#include "kwgfx/platform/base/Exceptions.h"

namespace kw::platform {

namespace {
template <typename T>
const T& ValueAs(const TPropertyValue& Value, const std::string& Name) {
    if (const T* v = std::get_if<T>(&Value)) return *v;
    throw EConvertError("Invalid value type for property " + Name);
}
} // namespace

TPublishedProperty::TPublishedProperty(std::string Name, TPropertyKind Kind)
    : FName(std::move(Name)), FKind(Kind) {}

TPublishedProperty TPublishedProperty::Integer(std::string Name, std::function<int32_t()> Getter,
                                               std::function<void(int32_t)> Setter,
                                               std::optional<int32_t> Default) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkInteger);
    p.FGet = [Getter] { return TPropertyValue(int64_t{Getter()}); };
    p.FSet = [Setter, name = p.FName](const TPropertyValue& V) {
        Setter(static_cast<int32_t>(ValueAs<int64_t>(V, name)));
    };
    if (Default) p.FDefault = int64_t{*Default};
    return p;
}

TPublishedProperty TPublishedProperty::Single(std::string Name, std::function<float()> Getter,
                                              std::function<void(float)> Setter,
                                              std::optional<float> Default) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkSingle);
    p.FGet = [Getter] { return TPropertyValue(double{Getter()}); };
    p.FSet = [Setter, name = p.FName](const TPropertyValue& V) {
        Setter(static_cast<float>(ValueAs<double>(V, name)));
    };
    if (Default) p.FDefault = double{*Default};
    return p;
}

TPublishedProperty TPublishedProperty::Double(std::string Name, std::function<double()> Getter,
                                              std::function<void(double)> Setter,
                                              std::optional<double> Default) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkDouble);
    p.FGet = [Getter] { return TPropertyValue(Getter()); };
    p.FSet = [Setter, name = p.FName](const TPropertyValue& V) {
        Setter(ValueAs<double>(V, name));
    };
    if (Default) p.FDefault = *Default;
    return p;
}

TPublishedProperty TPublishedProperty::Boolean(std::string Name, std::function<bool()> Getter,
                                               std::function<void(bool)> Setter,
                                               std::optional<bool> Default) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkBoolean);
    p.FGet = [Getter] { return TPropertyValue(Getter()); };
    p.FSet = [Setter, name = p.FName](const TPropertyValue& V) { Setter(ValueAs<bool>(V, name)); };
    if (Default) p.FDefault = *Default;
    return p;
}

TPublishedProperty TPublishedProperty::String(std::string Name, std::function<std::string()> Getter,
                                              std::function<void(const std::string&)> Setter,
                                              std::optional<std::string> Default) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkString);
    p.FGet = [Getter] { return TPropertyValue(Getter()); };
    p.FSet = [Setter, name = p.FName](const TPropertyValue& V) {
        Setter(ValueAs<std::string>(V, name));
    };
    if (Default) p.FDefault = std::move(*Default);
    return p;
}

TPublishedProperty TPublishedProperty::Enumeration(std::string Name,
                                                   std::vector<std::string> Members,
                                                   std::function<int()> Getter,
                                                   std::function<void(int)> Setter,
                                                   std::optional<int> Default) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkEnumeration);
    p.FMembers = std::move(Members);
    p.FGet = [Getter] { return TPropertyValue(int64_t{Getter()}); };
    p.FSet = [Setter, name = p.FName, count = p.FMembers.size()](const TPropertyValue& V) {
        const int64_t ordinal = ValueAs<int64_t>(V, name);
        if (ordinal < 0 || static_cast<uint64_t>(ordinal) >= count)
            throw EConvertError("Invalid ordinal for property " + name);
        Setter(static_cast<int>(ordinal));
    };
    if (Default) p.FDefault = int64_t{*Default};
    return p;
}

TPublishedProperty TPublishedProperty::Set(std::string Name, std::vector<std::string> Members,
                                           std::function<uint32_t()> Getter,
                                           std::function<void(uint32_t)> Setter,
                                           std::optional<uint32_t> Default) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkSet);
    if (Members.size() > 32) throw EConvertError("Too many set members for " + p.FName);
    p.FMembers = std::move(Members);
    p.FGet = [Getter] { return TPropertyValue(int64_t{Getter()}); };
    p.FSet = [Setter, name = p.FName, count = p.FMembers.size()](const TPropertyValue& V) {
        const int64_t mask = ValueAs<int64_t>(V, name);
        const int64_t allowed = count == 32 ? int64_t{0xFFFFFFFF} : (int64_t{1} << count) - 1;
        if (mask < 0 || (mask & ~allowed) != 0)
            throw EConvertError("Invalid set value for property " + name);
        Setter(static_cast<uint32_t>(mask));
    };
    if (Default) p.FDefault = int64_t{*Default};
    return p;
}

TPublishedProperty TPublishedProperty::Object(std::string Name,
                                              std::function<TPersistent*()> Getter) {
    TPublishedProperty p(std::move(Name), TPropertyKind::pkObject);
    p.FGetObject = std::move(Getter);
    return p;
}

TPublishedProperty& TPublishedProperty::StoredIf(std::function<bool()> Test) {
    FStored = std::move(Test);
    return *this;
}

TPublishedProperty& TPublishedProperty::NotStored() {
    FNeverStored = true;
    return *this;
}

TPropertyValue TPublishedProperty::GetValue() const {
    if (!FGet) throw EConvertError("Property " + FName + " has no value");
    return FGet();
}

void TPublishedProperty::SetValue(const TPropertyValue& Value) const {
    if (!FSet) throw EConvertError("Property " + FName + " cannot be set");
    FSet(Value);
}

TPersistent* TPublishedProperty::GetObject() const {
    return FGetObject ? FGetObject() : nullptr;
}

bool TPublishedProperty::IsStored() const {
    if (FNeverStored) return false;
    if (FStored && !FStored()) return false;
    if (FKind == TPropertyKind::pkObject || !FDefault) return true;
    // Exact comparison: a NaN never equals its default and is always written.
    return !(GetValue() == *FDefault);
}

} // namespace kw::platform
