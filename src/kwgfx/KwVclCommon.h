// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The package unit KwVclCommon: loading and unloading the library, which runs the
/// start-up of its units in package order and their shutdown in reverse.
///
/// Each unit also loads itself: every translation unit that includes a header of the unit
/// holds a loader object of that unit (geometry/KwGraphicsUnit.h, KwVclHelperFunctions.h).
/// The load counters make the repeated loads cheap: the start-up bodies run at the first
/// load, the shutdown bodies at the last unload. Hosts that load and unload explicitly must
/// balance their calls.

#include "kwgfx/geometry/KwGraphicsUnit.h"

namespace kw {

/// Package load: the start-up of KwGraphics (fills USFormatSettings), then of
/// KwVclHelperFunctions (no help viewer held yet).
void KwVclCommonLoad();
/// Package unload: the shutdowns in reverse order (KwVclHelperFunctions releases a loaded
/// help viewer library, KwGraphics releases USFormatSettings).
void KwVclCommonUnload();

namespace detail {

class TKwVclCommonLoader {
public:
    TKwVclCommonLoader() { KwVclCommonLoad(); }
    ~TKwVclCommonLoader() { KwVclCommonUnload(); }
    TKwVclCommonLoader(const TKwVclCommonLoader&) = delete;
    TKwVclCommonLoader& operator=(const TKwVclCommonLoader&) = delete;
};

} // namespace detail
} // namespace kw
