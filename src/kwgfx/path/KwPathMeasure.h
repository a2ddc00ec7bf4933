// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Measuring a path along its figures: the total length, the point and direction at a
/// distance from the start, and the piece between two distances. Distances run along the
/// figures one after the other, in path order (a move between figures adds nothing; a
/// closed figure's length includes the line back to its start). Segments of zero length
/// are skipped.
///
/// Lengths are arc lengths within about 1e-9 of a path unit per unit of length (curves are
/// integrated by Gauss-Legendre rules on intervals halved until they agree; see
/// detail/KwArcLength.h), in doubles; the points and pieces are rounded to float only at
/// the end.

#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/path/KwPathData.h"

#include <memory>

namespace kw {

/// A point on a path and the unit vector of the direction the path runs in there.
struct TKwPathPosition {
    TKwPoint Point;   ///< The point.
    TKwPoint Tangent; ///< The unit tangent, (0,0) when the path has no length.
};

/// The measure of one path; see the file's description.
///
/// \gallery{path_toolbox.png}
class TKwPathMeasure {
public:
    /// Measures Path as it is now; later changes to Path are not seen.
    explicit TKwPathMeasure(const TKwPathData& Path);
    ~TKwPathMeasure();
    /// Moves the measure; the source is left measuring nothing.
    ///@{
    TKwPathMeasure(TKwPathMeasure&&) noexcept;
    TKwPathMeasure& operator=(TKwPathMeasure&&) noexcept;
    ///@}

    /// The length of all figures together.
    double Length() const;
    /// The number of figures that have length.
    int32_t FigureCount() const;
    /// The length of figure Index (0 to FigureCount()-1; 0 outside).
    double FigureLength(int32_t Index) const;

    /// The point and unit tangent at Distance from the start, clamped to 0..Length(). At
    /// the joint of two segments the one that starts there counts (the last one at the
    /// very end); where a curve's derivative vanishes, the tangent is the direction the
    /// curve moves in next. A path without length gives the first point of its figures,
    /// or (0,0), and a tangent of (0,0).
    TKwPathPosition PositionAt(double Distance) const;

    /// Replaces Piece's entries with the part of the path from distance Start to Stop (each
    /// clamped to 0..Length(); nothing when Stop <= Start), with one change: one open
    /// figure for each figure the part touches, curves cut into curves, except that a
    /// closed figure covered whole stays closed. Piece's fill mode is left as it is.
    void GetPiece(double Start, double Stop, TKwPathData& Piece) const;
    /// The piece from Start to Stop as a new path (fill mode even-odd, as a new path's).
    TKwPathData Piece(double Start, double Stop) const;

private:
    struct TData;
    std::unique_ptr<TData> FData;
};

/// The length of all figures of Path (TKwPathMeasure(Path).Length()).
double KwPathLength(const TKwPathData& Path);

} // namespace kw
