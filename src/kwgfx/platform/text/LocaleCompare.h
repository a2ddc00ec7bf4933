// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Ordering of texts in the locale's collation (the root collation of the Unicode
/// collation algorithm, the same on every machine): AnsiCompareStr takes letter case and
/// accents into account, AnsiCompareText ignores letter case but not accents.
/// Both return -1, 0 or 1. AnsiCompareStr orders texts that collate equal but differ in
/// their bytes by those bytes, so its 0 means the same text; AnsiCompareText answers 0 when
/// the collation sees no difference besides letter case.

#include <string_view>

namespace kw::platform {

/// -1, 0 or 1 as A collates before, with or after B; letter case and accents count, then the bytes.
int AnsiCompareStr(std::string_view A, std::string_view B);
/// -1, 0 or 1 as A collates before, with or after B; letter case does not count, accents do.
int AnsiCompareText(std::string_view A, std::string_view B);

} // namespace kw::platform
