// SPDX-License-Identifier: MIT
#include "kwgfx/path/KwPathGuarantees.h"

#include <cmath>
#include <string>
#include <utility>

namespace kw {

namespace {

TKwPathCheck Fault(TKwPathFault Fault, size_t Index, std::string Reason) {
    return {Fault, static_cast<int64_t>(Index), std::move(Reason)};
}

} // namespace

TKwPathCheck KwCheckPathGuarantees(std::span<const TKwPathPoint> Entries) {
    const size_t count = Entries.size();
    for (size_t i = 0; i < count; ++i) {
        const TKwPathPoint& e = Entries[i];
        if (e.Kind > ppClose)
            return Fault(TKwPathFault::pfUnknownKind, i,
                         "kind " + std::to_string(e.Kind) + " is not a path point kind");
        const TKwPoint p = e.Point;
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return Fault(TKwPathFault::pfNotFinite, i, "coordinate not finite");
    }
    // Curves: three ppCurveTo entries after some other entry, which holds their start.
    for (size_t i = 0; i < count;) {
        if (Entries[i].Kind != ppCurveTo) {
            ++i;
            continue;
        }
        if (i == 0) return Fault(TKwPathFault::pfCurveFirst, i, "a curve cannot start the path");
        if (i + 2 >= count || Entries[i + 1].Kind != ppCurveTo || Entries[i + 2].Kind != ppCurveTo)
            return Fault(TKwPathFault::pfCurveIncomplete, i,
                         "curve entries not in a complete group of three");
        i += 3;
    }
    return {};
}

} // namespace kw
