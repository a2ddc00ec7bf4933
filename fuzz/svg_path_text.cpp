// SPDX-License-Identifier: MIT
// Strict SVG path data: read, write, read again. The second read must succeed and give
// the same entries bit for bit; the fixed-precision writer and the exact bounds must not
// crash on anything the reader accepts, and what it reads keeps the path's guarantees but
// for finite points.

#include "FuzzSupport.h"

#include <kwgfx/path/KwPathData.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace kw;
    TKwPathData first;
    const fuzz::TChangeCounter changes(first);
    const TKwSvgPathResult r = first.SetSvgPathString(fuzz::InputText(Data, Size));
    if (changes.Count() != 1) fuzz::Fail("not exactly one notification");
    if (!r.Ok && (r.Position == 0 || r.Position > Size + 1 || r.Message.empty()))
        fuzz::Fail("error without a position or a message");

    (void)first.GetTightBounds();
    (void)first.GetSvgPathString(3);
    // Arcs with extreme radii can leave non-finite points, which SVG text cannot carry.
    if (!fuzz::RequireGuarantees(first, TKwPathFault::pfNotFinite).Ok()) return 0;

    const std::string written = first.GetSvgPathString();
    TKwPathData second;
    if (!second.SetSvgPathString(written).Ok) fuzz::Fail("written text does not read back");
    if (const int64_t i = fuzz::FirstDifference(first, second, fuzz::TSameness::Bits); i >= 0)
        fuzz::Fail("round trip changed the entries", i);
    return 0;
}
