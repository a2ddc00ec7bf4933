// SPDX-License-Identifier: MIT
#pragma once
// The colour walk shared by the band painters of the gradients: a running colour of
// three double channels that moves from each colour of the list to the next over a
// segment of S pixels, in bands of Step pixels.

#include "kwgfx/geometry/KwTypes.h"

#include <span>

namespace kw::detail {

class TGradientColorWalk {
public:
    // Colors must not be empty. SegmentLength is S; ChannelStep is the Step the channels
    // advance by per band.
    TGradientColorWalk(std::span<const TColor> Colors, double SegmentLength, double ChannelStep);

    // The current colour, each channel rounded and clamped to a byte.
    TColor Color() const;

    // Called after each band with the progress made so far (pixels from the start):
    // when it reached the next boundary the walk moves on to the next pair of colours
    // (the running channels carry on from where they are); then every channel advances
    // one band's share of the current pair's difference.
    void Advance(double Progress);

private:
    void SplitPair();

    std::span<const TColor> FColors;
    double FSegment;
    double FStep;
    size_t FIndex = 0;
    double FBoundary;
    double FFrom[3] = {};
    double FTo[3] = {};
    double FRunning[3] = {};
};

// The number of colour transitions of a list: max(1, N - 1).
inline int64_t GradientTransitions(size_t ColorCount) {
    return ColorCount > 1 ? static_cast<int64_t>(ColorCount) - 1 : 1;
}

} // namespace kw::detail
