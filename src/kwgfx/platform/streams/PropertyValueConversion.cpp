// SPDX-License-Identifier: MIT
// Property stream values: tokens -> values of a property's kind.

#include "kwgfx/platform/streams/detail/PropertyValueConversion.h"

#include "kwgfx/platform/streams/detail/PropertyReadError.h"

#include <algorithm>
#include <utility>

namespace kw::platform::reader_detail {

using namespace property_text;

namespace {

bool IsNumberOrName(const TToken& T) {
    return T.Kind == TTokenKind::tkNumber || T.Kind == TTokenKind::tkIdentifier;
}

int64_t MemberOrdinal(const TPublishedProperty& Prop, const TToken& T) {
    const auto& members = Prop.Members();
    const auto it = std::find(members.begin(), members.end(), T.Text);
    if (T.Kind != TTokenKind::tkIdentifier || it == members.end())
        FailAt(T, "property " + Prop.Name() + ": " + Describe(T) + " is not one of its values");
    return it - members.begin();
}

} // namespace

bool TokenInteger(const TToken& T, int64_t& Value) {
    return T.Kind == TTokenKind::tkNumber && ParseInteger(T.Text, Value);
}

bool TokenSingle(const TToken& T, float& Value) {
    return IsNumberOrName(T) && ParseSingle(T.Text, Value);
}

bool TokenDouble(const TToken& T, double& Value) {
    return IsNumberOrName(T) && ParseDouble(T.Text, Value);
}

bool TokenBoolean(const TToken& T, bool& Value) {
    if (T.Kind != TTokenKind::tkIdentifier || (T.Text != "true" && T.Text != "false")) return false;
    Value = T.Text == "true";
    return true;
}

TPropertyValue ConvertValue(const TPublishedProperty& Prop, const TPropertyNode& Node) {
    const TToken& v = Node.Value;
    const std::string& name = Prop.Name();
    auto mismatch = [&](const char* Expected) -> TPropertyValue {
        FailAt(v, "property " + name + " expects " + Expected + ", found " + Describe(v));
    };
    if (v.Kind == TTokenKind::tkLeftBracket && Prop.Kind() != TPropertyKind::pkSet)
        return mismatch("a single value");
    switch (Prop.Kind()) {
    case TPropertyKind::pkInteger: {
        int64_t i = 0;
        if (!TokenInteger(v, i)) return mismatch("an integer");
        if (!std::in_range<int32_t>(i)) FailAt(v, "property " + name + ": integer out of range");
        return i;
    }
    case TPropertyKind::pkSingle: {
        float f = 0;
        if (!TokenSingle(v, f)) return mismatch("a number in the single range");
        return double{f};
    }
    case TPropertyKind::pkDouble: {
        double d = 0;
        if (!TokenDouble(v, d)) return mismatch("a number in the double range");
        return d;
    }
    case TPropertyKind::pkBoolean: {
        bool b = false;
        if (!TokenBoolean(v, b)) return mismatch("true or false");
        return b;
    }
    case TPropertyKind::pkString:
        if (v.Kind != TTokenKind::tkString) return mismatch("a string");
        return v.Text;
    case TPropertyKind::pkEnumeration:
        if (v.Kind != TTokenKind::tkIdentifier) return mismatch("a value name");
        return MemberOrdinal(Prop, v);
    case TPropertyKind::pkSet: {
        if (v.Kind != TTokenKind::tkLeftBracket) return mismatch("a set [...]");
        int64_t mask = 0;
        for (const TToken& m : Node.Members) mask |= int64_t{1} << MemberOrdinal(Prop, m);
        return mask;
    }
    case TPropertyKind::pkObject:
        break;
    }
    return mismatch("an object");
}

} // namespace kw::platform::reader_detail
