// SPDX-License-Identifier: MIT
// Argument reading shared by the commands.

#include "ToolArgs.h"

#include "InputLimit.h"

#include <kwgfx/platform/graphics/ColorParsing.h>
#include <kwgfx/platform/graphics/Colors.h>

#include <charconv>

namespace kwtool {

namespace {

std::string Quoted(std::string_view Text) {
    return "'" + std::string(Text) + "'";
}

bool ParseWhole(std::string_view Text, int& Value) {
    const char* end = Text.data() + Text.size();
    const auto [ptr, ec] = std::from_chars(Text.data(), end, Value);
    return ec == std::errc() && ptr == end;
}

} // namespace

std::optional<int> ParseWholeNumber(std::string_view Text) {
    int value = 0;
    if (!ParseWhole(Text, value)) return std::nullopt;
    return value;
}

std::string_view TArgScanner::ValueOf(std::string_view Option) {
    if (AtEnd()) throw ToolError("option " + std::string(Option) + " needs a value");
    return Next();
}

void TPathSource::Set(TKind Kind, std::string_view Value) {
    if (FKind != TKind::None) throw ToolError("more than one path text given");
    FKind = Kind;
    FValue = std::string(Value);
}

bool TPathSource::Take(std::string_view Arg, TArgScanner& Scanner) {
    if (Arg == "--file") {
        Set(TKind::File, Scanner.ValueOf(Arg));
    } else if (Arg == "-") {
        Set(TKind::StdIn, {});
    } else if (Arg.size() > 1 && Arg[0] == '@') {
        Set(TKind::File, Arg.substr(1));
    } else if (Arg.size() > 1 && Arg[0] == '-') {
        return false; // an option; path text starts with a command letter
    } else {
        Set(TKind::Text, Arg);
    }
    return true;
}

std::string TPathSource::Read() const {
    switch (FKind) {
    case TKind::Text:
        CheckTextArgument(FValue, InputLimit());
        return FValue;
    case TKind::File:
        return ReadFileAtMost(FValue, InputLimit());
    case TKind::StdIn:
        return ReadStdInAtMost(InputLimit());
    case TKind::None:
        break;
    }
    throw ToolError("no path text given (a text argument, @file, --file F or - for stdin)");
}

kw::platform::TSize ParseSize(std::string_view Text) {
    const size_t x = Text.find_first_of("xX");
    int w = 0, h = 0;
    if (x == std::string_view::npos || !ParseWhole(Text.substr(0, x), w) ||
        !ParseWhole(Text.substr(x + 1), h) || w < 1 || h < 1 || w > MaxPictureSide ||
        h > MaxPictureSide)
        throw ToolError("bad size " + Quoted(Text) + ": expected WxH, each from 1 to " +
                        std::to_string(MaxPictureSide) + ", e.g. 400x300");
    return {w, h};
}

int ParseInt(std::string_view Option, std::string_view Text, int Min, int Max) {
    int v = 0;
    if (!ParseWhole(Text, v) || v < Min || v > Max)
        throw ToolError("bad value " + Quoted(Text) + " for " + std::string(Option) +
                        ": expected a whole number from " + std::to_string(Min) + " to " +
                        std::to_string(Max));
    return v;
}

std::optional<kw::platform::TColor> ParseColor(std::string_view Text) {
    kw::platform::TColor color = kw::platform::clNone;
    if (!kw::platform::TryParseColor(Text, color))
        throw ToolError("unknown colour " + Quoted(Text) +
                        " (use a name such as red or clBtnFace, #RRGGBB, #RGB, $00BBGGRR, "
                        "or none)");
    if (color == kw::platform::clNone) return std::nullopt;
    return color;
}

} // namespace kwtool
