#pragma once
// The unit KwVclHelperFunctions: tree view, menu and grid helpers, and the help window.

#include "kwgfx/KwVclCommon.h"
#include "kwgfx/platform/KwStrCompare.h"
#include "kwgfx/ui/KwClassHierarchy.h"
#include "kwgfx/ui/KwGridSort.h"
#include "kwgfx/ui/KwHelpViewer.h"
#include "kwgfx/ui/KwHelpWindow.h"
#include "kwgfx/ui/KwMenuHelpers.h"
#include "kwgfx/ui/KwTreeSearch.h"

namespace kw {

namespace detail {
// Loads the package (and with it this unit) before the static objects of every
// translation unit that includes this header (see KwVclCommon.h).
static const TKwVclCommonLoader KwVclHelperFunctionsLoaderOfThisUnit;
} // namespace detail

} // namespace kw
