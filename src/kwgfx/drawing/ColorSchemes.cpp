// SPDX-License-Identifier: MIT
#include "kwgfx/drawing/ColorSchemes.h"

#include "kwgfx/drawing/GradientTypes.h"
#include "kwgfx/drawing/KwColorValues.h"

#include <algorithm>
#include <cmath>

namespace kw {

std::span<const TColor> ColorSchemeList(TKwColorScheme Scheme) {
    switch (Scheme) {
    case csDefaultColors:
        return DefaultColorList;
    case csPastels:
        return PastelsColorList;
    case csBlackandWhite:
        return BWColorList;
    case csGrays:
        return GraysColorList;
    case csSouthwest:
        return SouthwestColorList;
    case csReds:
        return RedsColorList;
    case csGreens:
        return GreensColorList;
    case csBlues:
        return BluesColorList;
    case csViolets:
        return VioletsColorList;
    case csDystopia:
        return DystopiaColorList;
    case csAntique:
        return AntiqueColorList;
    case csCustom:
        break;
    }
    return {};
}

TColor IndexToColor(int32_t Index, int32_t Steps, std::span<const TColor> Colors) {
    const int64_t n = static_cast<int64_t>(Colors.size());
    if (n <= 0) return 0;
    if (n == 1) return Colors[0];
    double segment = static_cast<double>(Steps) / static_cast<double>(n - 1);
    if (!(segment > 0)) segment = Steps;
    // Steps of 0 would blend by dividing by zero; one step per segment instead.
    if (segment == 0) segment = 1;
    const int64_t stepsPerSegment = std::max<int64_t>(std::llround(std::nearbyint(segment)), 1);
    const int64_t k = Index / stepsPerSegment;
    // The last entry has no next colour to blend with; an index before the first
    // segment has no segment at all.
    if (k >= n - 1) return Colors[n - 1];
    if (k < 0) return Colors[0];
    const double t = Index - k * segment + 1;
    const TRGB from = ColorToRGB(Colors[k]);
    const TRGB to = ColorToRGB(Colors[k + 1]);
    auto blend = [&](double C1, double C2) { return DoubleToByte(C1 - (C1 - C2) / segment * t); };
    return RGBToColor(TRGB{blend(from.R, to.R), blend(from.G, to.G), blend(from.B, to.B)});
}

} // namespace kw
