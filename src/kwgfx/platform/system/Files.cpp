// SPDX-License-Identifier: MIT
#include "kwgfx/platform/system/Files.h"

#include <filesystem>
#include <system_error>

namespace kw::platform {

bool FileExists(std::string_view Path) {
    if (Path.empty()) return false;
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::path(Path), error);
    if (error) return false;
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

} // namespace kw::platform
