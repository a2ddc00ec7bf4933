// SPDX-License-Identifier: MIT
// The headers kept for one release at their old paths still compile and still declare what
// moved away from them.

#include "kwgfx/geometry/KwColorNames.h"
#include "kwgfx/path/KwPathCache.h"
#include "kwgfx/path/KwSvgFill.h"
#include "kwgfx/platform/controls/HintWindow.h"
#include "kwgfx/platform/graphics/Colors.h"
#include "kwgfx/ui/KwHintWindow.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace kw {
namespace {

static_assert(std::is_same_v<TKwPathCache<int>, TKwPathValueCache<int>>);
static_assert(std::is_base_of_v<platform::THintWindow, TKwHintWindow>);

TEST(ForwardingHeaders, OldPathsStillDeclareWhatMoved) {
    EXPECT_EQ(CanvasColorToString(platform::clRed), "clRed");
    // KwFitMatrix moved to geometry; the SVG fill's header still brings it.
    const TKwMatrix fit = KwFitMatrix({0, 0, 2, 1}, {0, 0, 4, 4});
    EXPECT_FLOAT_EQ(fit.M[0].X, 2); // a 2 x 1 box scaled to fit 4 x 4
}

} // namespace
} // namespace kw
