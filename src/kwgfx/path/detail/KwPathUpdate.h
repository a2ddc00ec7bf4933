// SPDX-License-Identifier: MIT
#pragma once
// Running a group of path changes inside one update bracket, for the path's own members.

#include "kwgfx/path/KwPathData.h"

#include <type_traits>

namespace kw::detail {

// Runs Body between BeginUpdate and EndUpdate and returns what Body returns; EndUpdate runs
// also when Body throws. Not a destructor: EndUpdate notifies, and an exception from the
// change handler must reach the caller instead of ending the program.
template <typename F>
auto InUpdate(TKwPathData& Path, F&& Body) {
    Path.BeginUpdate();
    if constexpr (std::is_void_v<std::invoke_result_t<F&>>) {
        try {
            Body();
        } catch (...) {
            Path.EndUpdate();
            throw;
        }
        Path.EndUpdate();
    } else {
        auto result = [&] {
            try {
                return Body();
            } catch (...) {
                Path.EndUpdate();
                throw;
            }
        }();
        Path.EndUpdate();
        return result;
    }
}

} // namespace kw::detail
