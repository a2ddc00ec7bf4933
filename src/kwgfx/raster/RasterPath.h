// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A path as the rasteriser takes it: figures of lines, quadratic and cubic curves, each
/// open or closed. For filling, every figure counts as closed (a line joins its last point to
/// its first); for stroking, only closed figures get a join at their start.

#include "kwgfx/raster/RasterTypes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kw::raster {

/// What one step of a path does, and how many points it takes from the point list.
enum class TPathVerb : std::uint8_t {
    Move,  ///< starts a figure at 1 point
    Line,  ///< a line to 1 point
    Quad,  ///< a quadratic curve through 1 control point to 1 point
    Cubic, ///< a cubic curve through 2 control points to 1 point
    Close  ///< closes the figure, no point
};

/// A path of figures; see the file's description.
class TRasterPath {
public:
    /// Starts a new figure at P.
    void MoveTo(TVertex P) {
        FVerbs.push_back(TPathVerb::Move);
        FPoints.push_back(P);
        FStart = P;
    }
    /// A line from the current point to P; starts a figure at P when there is none.
    void LineTo(TVertex P) { Add(TPathVerb::Line, {&P, 1}); }
    /// A quadratic curve through C to P.
    void QuadTo(TVertex C, TVertex P) {
        const TVertex points[] = {C, P};
        Add(TPathVerb::Quad, points);
    }
    /// A cubic curve through C1 and C2 to P.
    void CubicTo(TVertex C1, TVertex C2, TVertex P) {
        const TVertex points[] = {C1, C2, P};
        Add(TPathVerb::Cubic, points);
    }
    /// Closes the current figure; the next step starts a new one.
    void Close() {
        if (!FVerbs.empty() && FVerbs.back() != TPathVerb::Close)
            FVerbs.push_back(TPathVerb::Close);
    }
    /// Removes every figure, keeping the memory.
    void Clear() {
        FVerbs.clear();
        FPoints.clear();
        FStart = {};
    }

    /// The steps in order.
    std::span<const TPathVerb> Verbs() const { return FVerbs; }
    /// The points the steps take, in order.
    std::span<const TVertex> Points() const { return FPoints; }
    /// Whether the path has no steps.
    bool Empty() const { return FVerbs.empty(); }

private:
    void Add(TPathVerb Verb, std::span<const TVertex> Points) {
        // A step without a figure to continue starts one at its end point, so that the path
        // always begins with a move.
        if (FVerbs.empty() || FVerbs.back() == TPathVerb::Close)
            MoveTo(FVerbs.empty() ? Points.back() : FStart);
        FVerbs.push_back(Verb);
        FPoints.insert(FPoints.end(), Points.begin(), Points.end());
    }
    std::vector<TPathVerb> FVerbs;
    std::vector<TVertex> FPoints;
    TVertex FStart; // the start of the last figure, where a step after a close begins
};

} // namespace kw::raster
