// SPDX-License-Identifier: MIT
#pragma once
// The command letters of path text, known once for both readers: the lenient one behind
// SetPathString (KwPathText.cpp) and the strict SVG one (KwSvgPathParser.cpp). Each letter
// names a command and says whether its coordinates are relative to the current point (the
// lower-case letters); what a command does with its numbers is each reader's own.

#include <array>
#include <cstdint>

namespace kw::detail {

enum class TKwPathCommand : uint8_t {
    None, // not a command letter
    MoveTo,
    LineTo,
    HLineTo,
    VLineTo,
    CurveTo,
    SmoothCurveTo,
    QuadTo,
    SmoothQuadTo,
    ArcTo,
    Close,
};

struct TKwPathCommandLetter {
    TKwPathCommand Command = TKwPathCommand::None;
    bool Relative = false;
};

namespace path_commands {

constexpr std::array<TKwPathCommandLetter, 256> MakeTable() {
    std::array<TKwPathCommandLetter, 256> t{};
    const auto add = [&t](char Upper, TKwPathCommand Command) {
        t[static_cast<unsigned char>(Upper)] = {Command, false};
        t[static_cast<unsigned char>(Upper - 'A' + 'a')] = {Command, true};
    };
    add('M', TKwPathCommand::MoveTo);
    add('L', TKwPathCommand::LineTo);
    add('H', TKwPathCommand::HLineTo);
    add('V', TKwPathCommand::VLineTo);
    add('C', TKwPathCommand::CurveTo);
    add('S', TKwPathCommand::SmoothCurveTo);
    add('Q', TKwPathCommand::QuadTo);
    add('T', TKwPathCommand::SmoothQuadTo);
    add('A', TKwPathCommand::ArcTo);
    add('Z', TKwPathCommand::Close);
    return t;
}

inline constexpr std::array<TKwPathCommandLetter, 256> kTable = MakeTable();

} // namespace path_commands

// What Letter names; TKwPathCommand::None for anything that is not a command letter.
constexpr TKwPathCommandLetter PathCommandOf(char Letter) {
    return path_commands::kTable[static_cast<unsigned char>(Letter)];
}

constexpr bool IsPathCommandLetter(char Letter) {
    return PathCommandOf(Letter).Command != TKwPathCommand::None;
}

} // namespace kw::detail
