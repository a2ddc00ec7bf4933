// SPDX-License-Identifier: MIT
// TKwPathData: the cached bounding box of the entry points.

#include "kwgfx/path/KwPathData.h"

namespace kw {

namespace {

// Sizes of exactly zero are widened so that the box always has an extent to scale by.
constexpr double ZeroSizeWidening = 0.001;

TKwRect EntryBounds(std::span<const TKwPathPoint> Entries) {
    // The start values bound the search: a path lying wholly beyond +-65535 on an axis
    // reports that limit as its near edge.
    TKwRect r(65535, 65535, -65535, -65535);
    for (const TKwPathPoint& e : Entries) {
        if (e.Kind == ppClose) continue;
        const TKwPoint p = e.Point;
        if (p.X < r.Left) r.Left = p.X;
        if (p.X > r.Right) r.Right = p.X;
        if (p.Y < r.Top) r.Top = p.Y;
        if (p.Y > r.Bottom) r.Bottom = p.Y;
    }
    if (r.Right - r.Left == 0) r.Right = float(r.Left + ZeroSizeWidening);
    if (r.Bottom - r.Top == 0) r.Bottom = float(r.Top + ZeroSizeWidening);
    return r;
}

} // namespace

TKwRect TKwPathData::GetBounds() const {
    if (FPathData.empty()) return {0, 0, 0, 0};
    return FBounds.Get([this] { return EntryBounds(FPathData); });
}

bool TKwPathData::IsEmpty() const {
    if (FPathData.empty()) return true;
    const TKwRect b = GetBounds();
    return (b.Right - b.Left) * (b.Bottom - b.Top) == 0;
}

} // namespace kw
