// SPDX-License-Identifier: MIT
// Fuzzes the boolean operations and simplify against a point oracle on a small grid
// (tests/path/BooleanOracle.h): two paths of self-crossing polygons and curves with points
// on a 16 x 16 grid (so edges coincide and touch often), each under its own fill rule. The
// result must keep the path's guarantees, its figures must never cross, its fill must match
// the operation applied to A's and B's fills at sample points clear of their edges (under
// nonzero and even-odd alike), and moving both inputs by whole units must move the result
// by exactly as much.
#include "FuzzSupport.h"

#include "../tests/path/BooleanOracle.h"

#include <kwgfx/path/KwPathBoolean.h>

#include <cstdint>
#include <string>

namespace {

using kw::fuzz::Fail;

kw::TKwPoint GridPoint(kw::fuzz::TInputReader& In) {
    const uint8_t b = In.Next<uint8_t>();
    return {float(b & 15), float(b >> 4)};
}

void ReadPath(kw::fuzz::TInputReader& In, kw::TKwPathData& Path, bool Curves) {
    const int figures = 1 + In.Next<uint8_t>() % 3;
    for (int f = 0; f < figures; ++f) {
        Path.MoveTo(GridPoint(In));
        const int n = 2 + In.Next<uint8_t>() % 9;
        for (int k = 0; k < n; ++k) {
            if (Curves && In.Next<uint8_t>() % 3 == 0) {
                const kw::TKwPoint c1 = GridPoint(In), c2 = GridPoint(In), p3 = GridPoint(In);
                Path.CurveTo(c1, c2, p3);
            } else {
                Path.LineTo(GridPoint(In));
            }
        }
        Path.ClosePath();
    }
}

bool Expected(kw::TKwPathOp Op, bool A, bool B) {
    switch (Op) {
    case kw::poUnion:
        return A || B;
    case kw::poIntersection:
        return A && B;
    case kw::poDifference:
        return A && !B;
    case kw::poXor:
        return A != B;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    kw::fuzz::TInputReader in(Data, Size);
    const uint8_t flags = in.Next<uint8_t>();
    const kw::TKwPathOp op = kw::TKwPathOp(flags & 3);
    const bool simplify = flags & 0x40, curves = flags & 0x10;
    kw::TKwPathData a, b;
    ReadPath(in, a, curves);
    if (!simplify) ReadPath(in, b, curves);
    a.SetFillMode(flags & 4 ? kw::fmEvenOdd : kw::fmNonZero);
    b.SetFillMode(flags & 8 ? kw::fmEvenOdd : kw::fmNonZero);

    kw::TKwPathData result;
    if (simplify)
        kw::KwSimplifyPath(a, result);
    else
        kw::KwCombinePaths(a, b, op, result);
    kw::fuzz::RequireGuarantees(result);
    const kw::test::TPolys pa = kw::test::FlatPolygons(a), pb = kw::test::FlatPolygons(b);
    const kw::test::TPolys pr = kw::test::FlatPolygons(result);
    if (kw::test::AnyEdgesCross(pr)) Fail("figures of the result cross");

    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double px = x + 0.5 + 0.0137, py = y + 0.5 + 0.0291;
            if (kw::test::DistanceToEdges(pa, px, py) <= 0.12 ||
                kw::test::DistanceToEdges(pb, px, py) <= 0.12)
                continue;
            const bool inA = kw::test::Filled(pa, a.FillMode(), px, py);
            const bool inB = kw::test::Filled(pb, b.FillMode(), px, py);
            const bool want = simplify ? inA : Expected(op, inA, inB);
            if (kw::test::Filled(pr, kw::fmNonZero, px, py) != want ||
                kw::test::Filled(pr, kw::fmEvenOdd, px, py) != want)
                Fail("result disagrees with the oracle at " + std::to_string(px) + "," +
                     std::to_string(py));
        }

    // Moved by whole units, the result moves exactly (close entries keep their points).
    const float dx = float(in.Next<int16_t>() % 4096), dy = float(in.Next<int16_t>() % 4096);
    a.Translate(dx, dy);
    b.Translate(dx, dy);
    kw::TKwPathData moved;
    if (simplify)
        kw::KwSimplifyPath(a, moved);
    else
        kw::KwCombinePaths(a, b, op, moved);
    result.Translate(dx, dy);
    if (moved.Count() != result.Count()) Fail("moving the inputs changed the result's size");
    for (int32_t i = 0; i < moved.Count(); ++i) {
        const kw::TKwPathPoint m = moved.GetPoint(i), r = result.GetPoint(i);
        if (m.Kind != r.Kind) Fail("moving the inputs changed the result", i);
        const kw::TKwPoint pm = m.Point, pr2 = r.Point;
        if (m.Kind != kw::ppClose && (pm.X != pr2.X || pm.Y != pr2.Y))
            Fail("moving the inputs changed the result", i);
    }
    return 0;
}
