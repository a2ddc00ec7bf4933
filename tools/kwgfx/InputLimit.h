// SPDX-License-Identifier: MIT
#pragma once
// Reading the path text from files and standard input up to a limit. Past the limit the
// program stops with one error line, so an endless or enormous input (/dev/zero, a
// runaway pipe) cannot take the machine's memory: reading holds at most the limit, and
// the text buffer never grows past it.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace kwtool {

// 256 MiB: far more than any real path text, far less than a machine's memory.
inline constexpr std::uint64_t DefaultInputLimit = std::uint64_t(256) << 20;

// The environment variable that sets another limit, in bytes (a whole number from 1 up):
// for tests, and for machines with little memory.
inline constexpr const char* InputLimitVariable = "KWGFX_MAX_INPUT_BYTES";

// The limit in force: the variable's value when it is set, DefaultInputLimit otherwise. A
// value that is not a whole number from 1 up is an error.
std::uint64_t InputLimit();

// The limit for messages: "256 MiB", "1000 bytes".
std::string LimitText(std::uint64_t Limit);

// All of In, named Source in messages. More than Limit bytes, or a read error, throws
// ToolError.
std::string ReadAtMost(std::FILE* In, std::string_view Source, std::uint64_t Limit);

// The whole file Name (a regular file, a device or a pipe) / standard input, as ReadAtMost.
std::string ReadFileAtMost(const std::string& Name, std::uint64_t Limit);
std::string ReadStdInAtMost(std::uint64_t Limit);

// Path text given on the command line is held to the same limit.
void CheckTextArgument(std::string_view Text, std::uint64_t Limit);

} // namespace kwtool
