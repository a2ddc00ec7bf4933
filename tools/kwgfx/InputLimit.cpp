// SPDX-License-Identifier: MIT
// Bounded reading of the path text.

#include "InputLimit.h"

#include "ToolCommands.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

namespace kwtool {

namespace {

std::string Quoted(std::string_view Text) {
    return "'" + std::string(Text) + "'";
}

[[noreturn]] void TooLarge(std::string_view Source, std::uint64_t Limit) {
    throw ToolError("cannot read " + std::string(Source) + ": more than " + LimitText(Limit) +
                    ", the input limit");
}

} // namespace

std::uint64_t InputLimit() {
    const char* value = std::getenv(InputLimitVariable);
    if (!value) return DefaultInputLimit;
    const std::string_view text = value;
    std::uint64_t limit = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), limit);
    if (ec != std::errc() || end != text.data() + text.size() || limit == 0)
        throw ToolError(std::string("bad ") + InputLimitVariable + " " + Quoted(text) +
                        ": expected a whole number of bytes from 1 up");
    return limit;
}

std::string LimitText(std::uint64_t Limit) {
    constexpr std::uint64_t MiB = std::uint64_t(1) << 20;
    if (Limit >= MiB && Limit % MiB == 0) return std::to_string(Limit / MiB) + " MiB";
    return std::to_string(Limit) + (Limit == 1 ? " byte" : " bytes");
}

std::string ReadAtMost(std::FILE* In, std::string_view Source, std::uint64_t Limit) {
    std::string text;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, In);
        if (n > Limit - text.size()) TooLarge(Source, Limit);
        // Grow by doubling, but never past the limit.
        if (text.size() + n > text.capacity())
            text.reserve(std::size_t(
                std::min<std::uint64_t>(Limit, std::max(2 * text.capacity(), text.size() + n))));
        text.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(In))
        throw ToolError("cannot read " + std::string(Source) + ": " + std::strerror(errno));
    return text;
}

std::string ReadFileAtMost(const std::string& Name, std::uint64_t Limit) {
    std::error_code ec;
    if (std::filesystem::is_directory(Name, ec))
        throw ToolError("cannot read " + Quoted(Name) + ": it is a directory");
    // A regular file's size is known before reading; devices and pipes say 0 and are read.
    if (std::filesystem::is_regular_file(Name, ec) &&
        std::filesystem::file_size(Name, ec) > Limit && !ec)
        TooLarge(Quoted(Name), Limit);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(Name.c_str(), "rb"),
                                                             &std::fclose);
    if (!in) throw ToolError("cannot read " + Quoted(Name) + ": " + std::strerror(errno));
    return ReadAtMost(in.get(), Quoted(Name), Limit);
}

std::string ReadStdInAtMost(std::uint64_t Limit) {
    return ReadAtMost(stdin, "standard input", Limit);
}

void CheckTextArgument(std::string_view Text, std::uint64_t Limit) {
    if (Text.size() > Limit) TooLarge("the path text argument", Limit);
}

} // namespace kwtool
