// SPDX-License-Identifier: MIT
#pragma once
// Reading the arguments the commands share: options with values, the path text (given
// literally, from a file or from standard input), picture sizes and colours. Every
// failure throws ToolError with a message for the user.

#include "ToolCommands.h"

#include <kwgfx/platform/graphics/Types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kwtool {

// Walks the arguments front to back.
class TArgScanner {
public:
    explicit TArgScanner(TArgs Args) : FArgs(Args) {}
    bool AtEnd() const { return FPos >= FArgs.size(); }
    std::string_view Next() { return FArgs[FPos++]; }
    // The value after Option; missing, it is an error.
    std::string_view ValueOf(std::string_view Option);

private:
    TArgs FArgs;
    std::size_t FPos = 0;
};

// Where the path text comes from: set once by the first of a text argument, "@file",
// "--file F" or "-" (standard input); a second source is an error.
class TPathSource {
public:
    // Takes Arg when it names a path source (a text, "@file" or "-"); Scanner supplies
    // the file name after "--file". Returns false for arguments it does not handle.
    bool Take(std::string_view Arg, TArgScanner& Scanner);
    // The text, read up to the input limit (InputLimit.h); without a source, or past the
    // limit, it is an error.
    std::string Read() const;

private:
    enum class TKind { None, Text, File, StdIn };
    void Set(TKind Kind, std::string_view Value);
    TKind FKind = TKind::None;
    std::string FValue;
};

// "WxH" with both sides 1 to MaxPictureSide.
inline constexpr int MaxPictureSide = 8192;
kw::platform::TSize ParseSize(std::string_view Text);

// A colour as the library's ParseColor reads it (clRed or red, clBtnFace, "#RRGGBB",
// "#RGB", "$00BBGGRR"); "none" (or clNone) is no colour: nullopt.
std::optional<kw::platform::TColor> ParseColor(std::string_view Text);

// Text that is a whole number and nothing else (digits after an optional minus; no plus,
// space or suffix), or nullopt when it is not one or does not fit an int.
std::optional<int> ParseWholeNumber(std::string_view Text);

// A whole number from Min to Max.
int ParseInt(std::string_view Option, std::string_view Text, int Min, int Max);

} // namespace kwtool
