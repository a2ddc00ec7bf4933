// SPDX-License-Identifier: MIT
#pragma once
// Real icons for the gallery's icon page: 6 from each of four public icon sets, chosen for
// holes (inner figures and even-odd fills), arcs and the compact number forms that icon
// tools write ("1.5.5", "-.5-.5", numbers glued to commands).

#include <span>
#include <string_view>

namespace kwtool {

struct TGalleryIcon {
    std::string_view Set;
    std::string_view Name;
    bool EvenOdd; // the icon's fill rule: even-odd, else non-zero winding
    struct {
        float Left, Top, Width, Height;
    } ViewBox;             // the square the icon was designed in
    std::string_view Data; // SVG path data
};

// In set order: bootstrap, octicons, heroicons, mdi.
std::span<const TGalleryIcon> GalleryIcons();

} // namespace kwtool
