// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The guarantees of a path's entries (KwPathData.h, "Guarantees") as one check, for code
/// that takes entries from outside (the "Path" stream reader) and for tests and fuzz
/// targets that hold the building and parsing commands to them:
///   - every entry's kind is ppMoveTo, ppLineTo, ppCurveTo or ppClose;
///   - every point is finite;
///   - ppCurveTo entries come in complete groups of three;
///   - a ppCurveTo entry is never the first entry.

#include "kwgfx/path/KwPathPoint.h"

#include <cstdint>
#include <span>
#include <string>

namespace kw {

/// What KwCheckPathGuarantees found wrong with an entry.
enum class TKwPathFault : uint8_t {
    pfNone,           ///< every guarantee holds
    pfUnknownKind,    ///< a kind above ppClose
    pfNotFinite,      ///< a coordinate is NaN or infinite
    pfCurveFirst,     ///< a curve group starts the path, so it has no start point
    pfCurveIncomplete ///< fewer than three ppCurveTo entries in a row
};

/// The first offending entry and why, or pfNone with Index -1.
struct TKwPathCheck {
    TKwPathFault Fault = TKwPathFault::pfNone; ///< The fault of the first offending entry.
    int64_t Index = -1; ///< The index of that entry, -1 when nothing is wrong.
    /// What is wrong with that entry, as a phrase: "coordinate not finite",
    /// "kind 7 is not a path point kind", ...; empty when nothing is.
    std::string Reason;

    /// Whether every guarantee holds.
    bool Ok() const { return Fault == TKwPathFault::pfNone; }
};

/// Checks Entries against the guarantees. The faults of single entries (an unknown kind,
/// then a coordinate that is not finite) are looked for in all entries before the curve
/// groups are, so a damaged record is reported ahead of a grouping fault anywhere; each kind
/// of search reports its lowest index. A curve group is at fault where it starts.
TKwPathCheck KwCheckPathGuarantees(std::span<const TKwPathPoint> Entries);

} // namespace kw
