// SPDX-License-Identifier: MIT
// The package unit KwVclCommon: the one place that knows the order of the units. Each
// unit owns its start-up and shutdown bodies in its own layer.

#include "kwgfx/KwVclCommon.h"

#include "kwgfx/geometry/KwGraphicsUnit.h"
#include "kwgfx/ui/KwHelpViewer.h"

namespace kw {

// Units in package order; shutdown in reverse. KwVclHelperFunctions holds the help
// viewer library, which its shutdown releases.
void KwVclCommonLoad() {
    KwGraphicsStartUp();
    KwVclHelperFunctionsStartUp();
}

void KwVclCommonUnload() {
    KwVclHelperFunctionsShutDown();
    KwGraphicsShutDown();
}

} // namespace kw
