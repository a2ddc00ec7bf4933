// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Lists of text lines: the abstract TStrings with name=value access, and TStringList,
/// which keeps its lines in memory.
///
/// A line "name=value" (the separator is NameValueSeparator, "=" by default) has the name
/// before the first separator and the value after it; a line without a separator has an
/// empty name. Names are looked up without regard to ASCII letter case (SameText), and the
/// first line with the name wins.

#include "kwgfx/platform/base/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

namespace kw::platform {

/// A list of text lines, with name=value access; see the file's description.
class TStrings : public TPersistent {
public:
    // The primitives a concrete list provides. Indexes outside 0..Count()-1 raise
    // ERangeError "List index out of bounds (<index>)" (Insert accepts Count()).

    /// The number of lines.
    virtual int Count() const = 0;
    /// Line Index; ERangeError outside 0..Count()-1.
    virtual std::string Get(int Index) const = 0;
    /// Replaces line Index; ERangeError outside 0..Count()-1.
    virtual void Put(int Index, std::string Text) = 0;
    /// Inserts a line before line Index (at the end for Count()); ERangeError outside
    /// 0..Count().
    virtual void Insert(int Index, std::string Text) = 0;
    /// Removes line Index; ERangeError outside 0..Count()-1.
    virtual void Delete(int Index) = 0;
    /// Removes every line.
    virtual void Clear() = 0;

    /// Appends a line and returns its index.
    int Add(std::string Text);
    /// Line Index: the same as Get(Index).
    std::string Strings(int Index) const { return Get(Index); }

    /// The name of line Index (empty when it has no separator).
    std::string Names(int Index) const;
    /// The value of line Index (the whole line when it has no separator).
    std::string ValueFromIndex(int Index) const;
    /// The value of the first line whose name is Name; empty when there is none.
    std::string Values(std::string_view Name) const;
    /// Sets the value of the first line named Name, or appends "Name=Value"; an empty
    /// value deletes the line.
    void SetValue(std::string_view Name, std::string_view Value);
    /// First line whose name is Name / whose whole text is Text (no regard to ASCII case);
    /// -1 when there is none.
    ///@{
    int IndexOfName(std::string_view Name) const;
    int IndexOf(std::string_view Text) const;
    ///@}

    char NameValueSeparator = '='; ///< The separator of name and value.

    /// Copies the lines (and the separator) of another TStrings: Clear, then Add each line.
    void Assign(const TPersistent& Source) override;

protected:
    /// Raises ERangeError "List index out of bounds (<index>)": for concrete lists' index checks.
    [[noreturn]] static void IndexError(int Index);
};

/// A list of text lines held in memory.
class TStringList : public TStrings {
public:
    TStringList() = default;
    /// A list of the given lines.
    TStringList(std::initializer_list<std::string> Lines) : FLines(Lines) {}

    int Count() const override { return int(FLines.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, std::string Text) override;
    void Insert(int Index, std::string Text) override;
    void Delete(int Index) override;
    void Clear() override { FLines.clear(); }

private:
    std::vector<std::string> FLines;
};

} // namespace kw::platform
