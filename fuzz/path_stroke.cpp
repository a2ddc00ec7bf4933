// SPDX-License-Identifier: MIT
// Fuzzes stroke outlines, dashed outlines and the stroke hit test against the stroke oracle
// of the tests (tests/path/StrokeOracle.h, written from the definition of a stroke): a path
// of up to 16 lines and curves on a small grid, a width, join, cap, miter limit and maybe a
// dash pattern. The outline must keep the path's guarantees (no NaN, no infinity), and at
// sample points clear of the stroke's edge its nonzero fill and the hit test must both say
// what the oracle says. One flag instead blows the path or the width up or down by many
// orders of magnitude, where only soundness is checked.
#include "FuzzSupport.h"

#include "../tests/path/StrokeOracle.h"

#include <kwgfx/path/KwPathDash.h>
#include <kwgfx/path/KwStrokeHitTest.h>
#include <kwgfx/path/KwStrokeOutline.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using kw::fuzz::Fail;

kw::TKwPoint NextPoint(kw::fuzz::TInputReader& In) {
    return {float(In.Next<int8_t>()) / 4, float(In.Next<int8_t>()) / 4};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    kw::fuzz::TInputReader in(Data, Size);
    const uint8_t flags = in.Next<uint8_t>();
    kw::TKwStrokeStyle style;
    style.Join = kw::TKwLineJoin(flags % 3);
    style.Cap = kw::TKwLineCap((flags / 3) % 3);
    const bool dashed = flags & 0x20, extreme = flags & 0x40;
    style.Width = 0.25f + float(in.Next<uint8_t>()) / 16;
    style.MiterLimit = 1 + float(in.Next<uint8_t>()) / 32;
    if (dashed) {
        style.Dashes = {float(in.Next<uint8_t>() % 32) / 2, float(in.Next<uint8_t>() % 32) / 2};
        if (in.Next<uint8_t>() & 1) style.Dashes.push_back(float(in.Next<uint8_t>() % 16));
        style.DashOffset = float(in.Next<int8_t>()) / 4;
    }

    kw::TKwPathData path;
    path.MoveTo(NextPoint(in));
    for (int k = 0; k < 16 && !in.Empty(); ++k) {
        switch (in.Next<uint8_t>() % 5) {
        case 0:
        case 1:
            path.LineTo(NextPoint(in));
            break;
        case 2: {
            const kw::TKwPoint c1 = NextPoint(in), c2 = NextPoint(in), p3 = NextPoint(in);
            path.CurveTo(c1, c2, p3);
            break;
        }
        case 3:
            path.ClosePath();
            break;
        default:
            path.MoveTo(NextPoint(in));
            break;
        }
    }

    if (extreme) {
        // Far beyond any picture: sound output is all that is asked.
        const float scale = std::ldexp(1.0f, int(in.Next<uint8_t>() % 200) - 100);
        path.Scale(scale, scale);
        // Dashes scale with the path: unscaled, a path blown up by 2^100 would cut the most
        // dashes the stroker allows, each one a full outline, which measures memory, not
        // soundness.
        for (float& d : style.Dashes) d *= scale;
        style.DashOffset *= scale;
        style.Width *= std::ldexp(1.0f, int(in.Next<uint8_t>() % 200) - 100);
        kw::TKwPathData outline;
        kw::KwStrokeOutline(path, style, outline);
        kw::fuzz::RequireGuarantees(outline);
        (void)kw::KwPointInStroke(path, style, {0, 0});
        return 0;
    }

    kw::TKwPathData outline;
    kw::KwStrokeOutline(path, style, outline);
    kw::fuzz::RequireGuarantees(outline);
    if (outline.FillMode() != kw::fmNonZero) Fail("outline not set to nonzero");

    // The oracle strokes what the dashes leave; a dash of no length with square ends has a
    // direction only the stroker knows, so such patterns are not compared.
    kw::TKwPathData dashedPath;
    kw::KwDashPath(path, style.Dashes, style.DashOffset, dashedPath);
    kw::fuzz::RequireGuarantees(dashedPath);
    bool zeroDash = false;
    for (const float d : style.Dashes) zeroDash = zeroDash || d == 0;
    if (dashed && zeroDash && style.Cap == kw::lcSquare) return 0;

    const double margin = style.Tolerance + 0.1 + 0.02;
    const kw::test::TStrokeOracle oracle(dashed ? dashedPath : path, style, margin);
    const double h = style.Width / 2;
    // Sample points from the rest of the input, near the path's grid and beyond its reach.
    // They sit a little off that grid: a point exactly on a vertex where two butt ends or
    // an end and a band meet is on the stroke's edge at an angle the oracle's probes can
    // step over, and there the outline's answer is decided by rounding.
    for (int k = 0; k < 48; ++k) {
        const double x = double(in.Next<int16_t>()) / 512 + 0.0013,
                     y = double(in.Next<int16_t>()) / 512 + 0.0007;
        bool inside = false;
        if (!oracle.Clear(h, x, y, margin, inside)) continue;
        const bool filled = outline.PointInPathArea(float(x), float(y));
        if (filled != inside)
            Fail("outline fill " + std::to_string(filled) + " where the oracle says " +
                 std::to_string(inside) + " at " + std::to_string(x) + "," + std::to_string(y));
        // The hit test outlines the figures near the point each time: a few suffice.
        if (k < 12 && kw::KwPointInStroke(path, style, kw::TKwPoint(float(x), float(y))) != inside)
            Fail("hit test disagrees with the oracle at " + std::to_string(x) + "," +
                 std::to_string(y));
    }
    return 0;
}
