// Fuzzes the clipping of far figures that the raster canvas does before filling at
// sub-pixel precision. Whatever the figure, clipping must not crash or loop, and every
// point it returns must be finite and lie in the box (that is what keeps coordinates in the
// rasteriser's range).
#include <kwgfx/platform/graphics/PolygonBoxClip.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Reads little 16- and 32-bit integers off the input; past the end it gives zeros.
class TInput {
public:
    TInput(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
    bool Empty() const { return FPos >= FSize; }
    template <typename T>
    T Next() {
        T v{};
        const size_t n = std::min(sizeof(T), FSize - std::min(FPos, FSize));
        if (n > 0) std::memcpy(&v, FData + FPos, n);
        FPos += sizeof(T);
        return v;
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace kw::platform;
    TInput in(Data, Size);
    // One byte picks the scale of the figure, from tiny steps to far beyond the box.
    const double scale = std::ldexp(1.0, int(in.Next<uint8_t>() % 96) - 24);
    const double l = in.Next<int16_t>(), t = in.Next<int16_t>();
    const double r = in.Next<int16_t>(), b = in.Next<int16_t>();
    const TBoxD box{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
    std::vector<TPointD> figure;
    while (!in.Empty() && figure.size() < 512) {
        const double x = in.Next<int32_t>() * scale, y = in.Next<int32_t>() * scale;
        figure.push_back({x, y});
    }
    if (FigureInsideBox(figure, box)) return 0;
    for (const TPointD& p : ClipFigureToBox(figure, box)) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) std::abort();
        if (p.X < box.Left || p.X > box.Right || p.Y < box.Top || p.Y > box.Bottom) std::abort();
    }
    return 0;
}
