// SPDX-License-Identifier: MIT
// Fuzzes measuring and dashing: paths of lines and curves whose coordinates range from tiny
// to far beyond any picture, measured at distances read from the input. Lengths must be
// finite and add up, points and tangents finite (tangents of length one, or zero for a
// path without length), pieces must be as long as asked (within 1e-6 of the whole length)
// and keep the path's guarantees, and dashes must keep them too and never be longer in all
// than the path.
#include "FuzzSupport.h"

#include <kwgfx/path/KwPathDash.h>
#include <kwgfx/path/KwPathMeasure.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using kw::fuzz::Fail;

bool Finite(const kw::TKwPoint& P) {
    return std::isfinite(P.X) && std::isfinite(P.Y);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    kw::fuzz::TInputReader in(Data, Size);
    const float scale = std::ldexp(1.0f, int(in.Next<uint8_t>() % 120) - 60);
    const auto point = [&] {
        return kw::TKwPoint(float(in.Next<int8_t>()) * scale, float(in.Next<int8_t>()) * scale);
    };
    kw::TKwPathData path;
    path.MoveTo(point());
    for (int k = 0; k < 12 && !in.Empty(); ++k) {
        switch (in.Next<uint8_t>() % 4) {
        case 0:
            path.LineTo(point());
            break;
        case 1: {
            const kw::TKwPoint c1 = point(), c2 = point(), p3 = point();
            path.CurveTo(c1, c2, p3);
            break;
        }
        case 2:
            path.ClosePath();
            break;
        default:
            path.MoveTo(point());
            break;
        }
    }

    // Pieces and dashes are rounded to float: each point by half a unit in the last place of
    // the largest coordinate; rounding is four such units.
    const kw::TKwRect box = path.GetBounds();
    const double rounding = 4 * std::ldexp(1.0, -24) *
                            std::max({std::abs(box.Left), std::abs(box.Right), std::abs(box.Top),
                                      std::abs(box.Bottom)});
    const kw::TKwPathMeasure measure(path);
    const double length = measure.Length();
    if (!std::isfinite(length) || length < 0) Fail("length not finite or negative");
    double sum = 0;
    for (int32_t i = 0; i < measure.FigureCount(); ++i) sum += measure.FigureLength(i);
    if (std::abs(sum - length) > 1e-9 * length) Fail("figure lengths do not add up");

    for (int k = 0; k < 4; ++k) {
        const double f = double(in.Next<uint16_t>()) / 65535;
        const double g = double(in.Next<uint16_t>()) / 65535;
        const kw::TKwPathPosition at = measure.PositionAt(f * length);
        if (!Finite(at.Point) || !Finite(at.Tangent)) Fail("position not finite");
        const double t = std::hypot(at.Tangent.X, at.Tangent.Y);
        if (length > 0 ? std::abs(t - 1) > 1e-5 : t != 0) Fail("tangent not a unit vector");
        kw::TKwPathData piece;
        const double from = std::min(f, g) * length, to = std::max(f, g) * length;
        measure.GetPiece(from, to, piece);
        kw::fuzz::RequireGuarantees(piece);
        // The piece's own length, within the rounding of its points to float.
        const double pieceLength = kw::TKwPathMeasure(piece).Length();
        // Each float point of the piece moves its length by at most 6 of its units in the
        // last place (3 times the moves of both ends of a control leg).
        if (std::abs(pieceLength - (to - from)) > 1e-6 * length + 2 * rounding * piece.Count())
            Fail("piece of " + std::to_string((to - from) / (length + 1e-300)) +
                 " of the length measures " + std::to_string(pieceLength / (length + 1e-300)) +
                 " (rounding " + std::to_string(rounding / (length + 1e-300)) + ") from " +
                 std::to_string(from) + " to " + std::to_string(to) + " of " +
                 std::to_string(length) + ": " + path.GetSvgPathString() + " piece " +
                 piece.GetSvgPathString());
    }

    std::vector<float> pattern;
    const int n = 1 + in.Next<uint8_t>() % 4;
    for (int i = 0; i < n; ++i) pattern.push_back(float(in.Next<uint8_t>()) * scale / 8);
    kw::TKwPathData dashed;
    kw::KwDashPath(path, pattern, float(in.Next<int8_t>()) * scale, dashed);
    kw::fuzz::RequireGuarantees(dashed);
    const kw::TKwPathMeasure dashes(dashed);
    if (dashes.Length() > length * (1 + 1e-6) + 4 * rounding * (dashes.FigureCount() + 1))
        Fail("dashes longer than the path");
    return 0;
}
