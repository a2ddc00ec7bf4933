// Strict SVG path data: read, write, read again. The second read must succeed and give
// the same entries bit for bit; the fixed-precision writer and the exact bounds must not
// crash on anything the reader accepts.

#include <kwgfx/path/KwPathData.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool AllFinite(const kw::TKwPathData& Path) {
    for (const kw::TKwPathPoint& e : Path.Entries()) {
        const kw::TKwPoint p = e.Point;
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return false;
    }
    return true;
}

bool SameBits(const kw::TKwPathData& A, const kw::TKwPathData& B) {
    if (A.Count() != B.Count()) return false;
    for (int32_t i = 0; i < A.Count(); ++i) {
        const kw::TKwPathPoint a = A.GetPoint(i), b = B.GetPoint(i);
        const kw::TKwPoint pa = a.Point, pb = b.Point;
        if (a.Kind != b.Kind || std::bit_cast<uint32_t>(pa.X) != std::bit_cast<uint32_t>(pb.X) ||
            std::bit_cast<uint32_t>(pa.Y) != std::bit_cast<uint32_t>(pb.Y))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view text(reinterpret_cast<const char*>(Data), Size);
    kw::TKwPathData first;
    int notifications = 0;
    first.SetOnChanged([&](kw::platform::TObject*) { ++notifications; });
    const kw::TKwSvgPathResult r = first.SetSvgPathString(text);
    if (notifications != 1) std::abort();
    if (!r.Ok && (r.Position == 0 || r.Position > Size + 1 || r.Message.empty())) std::abort();

    (void)first.GetTightBounds();
    (void)first.GetSvgPathString(3);
    // Arcs with extreme radii can leave non-finite points, which SVG text cannot carry.
    if (!AllFinite(first)) return 0;

    const std::string written = first.GetSvgPathString();
    kw::TKwPathData second;
    if (!second.SetSvgPathString(written).Ok) std::abort();
    if (!SameBits(first, second)) std::abort();
    return 0;
}
