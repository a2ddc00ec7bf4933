// Reads arbitrary bytes as path text. The parse must not throw or crash, must keep the
// path's invariants (curves in groups of three after an entry, finite coordinates), and
// the text written from the result must read back to the same entries.

#include "kwgfx/path/KwPathData.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Fail(const char* What, int32_t Index) {
    std::fprintf(stderr, "path_text: %s at entry %d\n", What, Index);
    std::abort();
}

void CheckInvariants(const kw::TKwPathData& Path) {
    for (int32_t i = 0; i < Path.Count(); ++i) {
        const kw::TKwPathPoint e = Path.GetPoint(i);
        const kw::TKwPoint p = e.Point;
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) Fail("coordinate not finite", i);
        if (e.Kind > kw::ppClose) Fail("unknown kind", i);
        if (e.Kind == kw::ppCurveTo) {
            if (i == 0) Fail("curve without start entry", i);
            if (i + 2 >= Path.Count() || Path.GetPoint(i + 1).Kind != kw::ppCurveTo ||
                Path.GetPoint(i + 2).Kind != kw::ppCurveTo)
                Fail("curve group not of three", i);
            i += 2;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view text(reinterpret_cast<const char*>(Data), Size);
    kw::TKwPathData first;
    int notifications = 0;
    first.SetOnChanged([&](kw::platform::TObject*) { ++notifications; });
    first.SetPathString(text);
    if (notifications != 1) Fail("not exactly one notification", -1);
    CheckInvariants(first);

    const std::string written = first.GetPathString();
    kw::TKwPathData second;
    second.SetPathString(written);
    if (second.Count() != first.Count()) Fail("round trip changed the entry count", -1);
    for (int32_t i = 0; i < first.Count(); ++i) {
        const kw::TKwPathPoint a = first.GetPoint(i), b = second.GetPoint(i);
        if (a.Kind != b.Kind || a.Point.X() != b.Point.X() || a.Point.Y() != b.Point.Y())
            Fail("round trip changed an entry", i);
    }
    if (second.GetPathString() != written) Fail("written text not stable", -1);
    return 0;
}
