// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/detail/GradientColorWalk.h"

#include "kwgfx/drawing/GradientTypes.h"
#include "kwgfx/drawing/KwColorValues.h"

#include <algorithm>

namespace kw::detail {

namespace {

void SplitColor(TColor Color, double (&Channels)[3]) {
    const TRGB rgb = ColorToRGB(Color);
    Channels[0] = rgb.R;
    Channels[1] = rgb.G;
    Channels[2] = rgb.B;
}

} // namespace

TGradientColorWalk::TGradientColorWalk(std::span<const TColor> Colors, double SegmentLength,
                                       double ChannelStep)
    : FColors(Colors), FSegment(SegmentLength), FStep(ChannelStep), FBoundary(SegmentLength) {
    FIndex = Colors.size() > 1 ? 1 : 0;
    SplitColor(FColors[0], FFrom);
    SplitColor(FColors[FIndex], FTo);
    std::copy(std::begin(FFrom), std::end(FFrom), std::begin(FRunning));
}

TColor TGradientColorWalk::Color() const {
    return RGBToColor(
        TRGB{DoubleToByte(FRunning[0]), DoubleToByte(FRunning[1]), DoubleToByte(FRunning[2])});
}

void TGradientColorWalk::Advance(double Progress) {
    if (Progress >= FBoundary) {
        FBoundary += FSegment;
        FIndex = std::min(FIndex + 1, FColors.size() - 1);
        std::copy(std::begin(FTo), std::end(FTo), std::begin(FFrom));
        SplitColor(FColors[FIndex], FTo);
    }
    for (int c = 0; c < 3; ++c) FRunning[c] += (FTo[c] - FFrom[c]) / FSegment * FStep;
}

} // namespace kw::detail
