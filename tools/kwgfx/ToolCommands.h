// SPDX-License-Identifier: MIT
#pragma once
// The commands of the kwgfx program. Each command lives in its own source file and is
// listed once in the table of main.cpp; adding a command means declaring its entry
// function here and adding one row there.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kwtool {

// The arguments after the command name.
using TArgs = std::span<const std::string_view>;

// A failure the user caused (bad option, unreadable file, unknown colour): main prints
// "kwgfx: " and the message on one line and exits with status 1.
class ToolError : public std::runtime_error {
public:
    explicit ToolError(const std::string& Message) : std::runtime_error(Message) {}
};

struct TToolCommand {
    std::string_view Name;
    std::string_view Usage;   // the argument synopsis after the command name
    std::string_view Summary; // one line for the command list
    int (*Run)(TArgs Args);
};

int RunRender(TArgs Args);
int RunInfo(TArgs Args);
int RunTour(TArgs Args);
// Built with GTK only (KWGFX_HAVE_GTK).
int RunDemo(TArgs Args);

} // namespace kwtool
