// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Kept for one release: the path's value cache is kwgfx/path/KwPathValueCache.h now, and
/// TKwPathCache is TKwPathValueCache. Include kwgfx/path/KwPathValueCache.h from now on.
#include "kwgfx/path/KwPathValueCache.h"

namespace kw {
/// The old name of TKwPathValueCache, kept for one release.
template <typename T>
using TKwPathCache = TKwPathValueCache<T>;
} // namespace kw
