// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The unit KwVclHelperFunctions: tree view, menu and grid helpers, and the help window.

#include "kwgfx/platform/common/KwStrCompare.h"
#include "kwgfx/ui/KwClassHierarchy.h"
#include "kwgfx/ui/KwGridSort.h"
#include "kwgfx/ui/KwHelpViewer.h"
#include "kwgfx/ui/KwHelpWindow.h"
#include "kwgfx/ui/KwMenuHelpers.h"
#include "kwgfx/ui/KwTreeSearch.h"

namespace kw {

namespace detail {

class TKwVclHelperFunctionsLoader {
public:
    TKwVclHelperFunctionsLoader() { KwVclHelperFunctionsStartUp(); }
    ~TKwVclHelperFunctionsLoader() { KwVclHelperFunctionsShutDown(); }
    TKwVclHelperFunctionsLoader(const TKwVclHelperFunctionsLoader&) = delete;
    TKwVclHelperFunctionsLoader& operator=(const TKwVclHelperFunctionsLoader&) = delete;
};

/// Loads this unit before the static objects of every translation unit that includes this
/// header, and unloads it after them.
static const TKwVclHelperFunctionsLoader KwVclHelperFunctionsLoaderOfThisUnit;

} // namespace detail

} // namespace kw
