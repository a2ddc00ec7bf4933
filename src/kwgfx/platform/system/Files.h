// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// File tests.

#include <string_view>

namespace kw::platform {

/// True when Path names an existing file that is not a directory (a symbolic link counts
/// by what it points to). Never throws: a path that cannot be examined is not a file.
bool FileExists(std::string_view Path);

} // namespace kw::platform
