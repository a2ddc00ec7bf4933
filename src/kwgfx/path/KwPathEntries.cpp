// SPDX-License-Identifier: MIT
// TKwPathData::SetEntries: a whole list of entries handed over at once, checked first, for
// code that builds paths in bulk (stroke outlines, dashes, boolean results).

#include "kwgfx/path/KwPathData.h"

#include <utility>

namespace kw {

TKwPathCheck TKwPathData::SetEntries(std::vector<TKwPathPoint> Entries) {
    TKwPathCheck check = KwCheckPathGuarantees(Entries);
    if (!check.Ok()) return check;
    FPathData = std::move(Entries);
    for (auto e = FPathData.rbegin(); e != FPathData.rend(); ++e)
        if (e->Kind == ppMoveTo) {
            FStartPoint = e->Point;
            break;
        }
    Change();
    return check;
}

} // namespace kw
