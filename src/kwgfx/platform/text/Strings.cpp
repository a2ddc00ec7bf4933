// SPDX-License-Identifier: MIT
#include "kwgfx/platform/text/Strings.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/text/AsciiText.h"

namespace kw::platform {

void TStrings::IndexError(int Index) {
    throw ERangeError("List index out of bounds (" + std::to_string(Index) + ")");
}

int TStrings::Add(std::string Text) {
    const int index = Count();
    Insert(index, std::move(Text));
    return index;
}

std::string TStrings::Names(int Index) const {
    std::string line = Get(Index);
    const auto at = line.find(NameValueSeparator);
    if (at == std::string::npos) return {};
    line.resize(at);
    return line;
}

std::string TStrings::ValueFromIndex(int Index) const {
    std::string line = Get(Index);
    const auto at = line.find(NameValueSeparator);
    if (at == std::string::npos) return line;
    return line.substr(at + 1);
}

int TStrings::IndexOfName(std::string_view Name) const {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const std::string line = Get(i);
        const auto at = line.find(NameValueSeparator);
        if (at != std::string::npos && SameText(std::string_view(line).substr(0, at), Name))
            return i;
    }
    return -1;
}

int TStrings::IndexOf(std::string_view Text) const {
    const int count = Count();
    for (int i = 0; i < count; ++i)
        if (SameText(Get(i), Text)) return i;
    return -1;
}

std::string TStrings::Values(std::string_view Name) const {
    const int index = IndexOfName(Name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(std::string_view Name, std::string_view Value) {
    const int index = IndexOfName(Name);
    if (Value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    std::string line(Name);
    line += NameValueSeparator;
    line += Value;
    if (index >= 0)
        Put(index, std::move(line));
    else
        Add(std::move(line));
}

void TStrings::Assign(const TPersistent& Source) {
    const auto* source = dynamic_cast<const TStrings*>(&Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    // Read everything first: Source may be a view onto storage that Clear touches.
    std::vector<std::string> lines;
    const int count = source->Count();
    lines.reserve(size_t(count));
    for (int i = 0; i < count; ++i) lines.push_back(source->Get(i));
    Clear();
    NameValueSeparator = source->NameValueSeparator;
    for (auto& line : lines) Add(std::move(line));
}

std::string TStringList::Get(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return FLines[size_t(Index)];
}

void TStringList::Put(int Index, std::string Text) {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    FLines[size_t(Index)] = std::move(Text);
}

void TStringList::Insert(int Index, std::string Text) {
    if (Index < 0 || Index > Count()) IndexError(Index);
    FLines.insert(FLines.begin() + Index, std::move(Text));
}

void TStringList::Delete(int Index) {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    FLines.erase(FLines.begin() + Index);
}

} // namespace kw::platform
