// SPDX-License-Identifier: MIT
// Pixel agreement, measured by hand (not a test: its references come from outside the
// project's build).
//
//   bench_picture_agreement_cairo icons RAWDIR [SIZE]
//       fills every icon of the sample as the Skia peer script does (anti-aliased, fitted
//       into SIZE×SIZE, default 256) and compares alpha with the peer's RGBA dumps
//       (RAW=RAWDIR node skia_fill.mjs SIZE < icons.txt): the mean absolute difference per
//       pixel, and the IoU of the pixels with alpha at least half, per icon.
//   bench_picture_agreement_cairo pages DIR_A DIR_B
//       compares the PNG pages of two galleries: the IoU of their ink (pixels that differ
//       from the page's top-left pixel), per page.
#include "support/IconSample.h"

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwSvgFill.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace kw;

struct TIoU {
    std::size_t Both = 0, Either = 0;
    double Value() const { return Either ? double(Both) / double(Either) : 1.0; }
};

// Pixel (X, Y) of an ARGB32 image surface as stored (premultiplied).
std::uint32_t PixelAt(cairo_surface_t* Surface, int X, int Y) {
    const auto* row = cairo_image_surface_get_data(Surface) +
                      std::ptrdiff_t(Y) * cairo_image_surface_get_stride(Surface);
    return reinterpret_cast<const std::uint32_t*>(row)[X];
}

int CompareIcons(const std::string& RawDir, int Size) {
    const auto icons = kwtest::LoadIconSample(KWGFX_TEST_DATA_DIR);
    platform::TBitmap bitmap(Size, Size, platform::TRGBA::Transparent);
    double sumDiff = 0;
    std::size_t pixels = 0, below = 0, compared = 0;
    double worstIoU = 1;
    std::string worstName;
    for (const auto& icon : icons) {
        std::ifstream in(RawDir + "/" + icon.Set + "-" + icon.Name + ".rgba", std::ios::binary);
        const std::vector<unsigned char> peer{std::istreambuf_iterator<char>(in), {}};
        if (peer.size() != std::size_t(Size) * std::size_t(Size) * 4) {
            std::fprintf(stderr, "no dump of %s at %dx%d in %s\n", icon.Id().c_str(), Size, Size,
                         RawDir.c_str());
            return 1;
        }
        TKwPathData path;
        path.SetSvgPathString(icon.Data);
        TKwSvgFillOptions options;
        options.Color = platform::clBlack;
        options.FillRule = icon.FillRule == "evenodd" ? fmEvenOdd : fmNonZero;
        options.FitInto = TKwRect(0, 0, float(Size), float(Size));
        cairo_surface_t* surface = bitmap.Surface();
        cairo_surface_flush(surface);
        for (int y = 0; y < Size; ++y)
            std::fill_n(
                reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                                 y * cairo_image_surface_get_stride(surface)),
                Size, 0u);
        cairo_surface_mark_dirty(surface);
        FillSvgPath(bitmap.Canvas(), path, options);
        cairo_surface_flush(surface);
        TIoU iou;
        // Pixels on opposite sides of the threshold, and how far apart they are there.
        std::size_t flipped = 0, flippedDiff = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const int ours = int(PixelAt(surface, x, y) >> 24);
                const int theirs =
                    peer[(std::size_t(y) * std::size_t(Size) + std::size_t(x)) * 4 + 3];
                sumDiff += std::abs(ours - theirs);
                iou.Both += ours >= 128 && theirs >= 128;
                iou.Either += ours >= 128 || theirs >= 128;
                if ((ours >= 128) != (theirs >= 128))
                    ++flipped, flippedDiff += std::abs(ours - theirs);
            }
        if (iou.Value() < 0.98)
            std::printf("%s: IoU %.4f; %zu pixels on opposite sides of half, %.1f levels apart on "
                        "average\n",
                        icon.Id().c_str(), iou.Value(), flipped,
                        flipped ? double(flippedDiff) / double(flipped) : 0.0);
        pixels += std::size_t(Size) * std::size_t(Size);
        ++compared;
        if (iou.Value() < 0.98) ++below;
        if (iou.Value() < worstIoU) worstIoU = iou.Value(), worstName = icon.Id();
    }
    std::printf("%zu icons at %dx%d: mean |alpha difference| %.3f of 255 per pixel; IoU below "
                "0.98: %zu; lowest IoU %.4f (%s)\n",
                compared, Size, Size, sumDiff / double(pixels), below, worstIoU, worstName.c_str());
    return 0;
}

int ComparePages(const std::string& DirA, const std::string& DirB) {
    double worst = 1;
    std::size_t pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DirA)) {
        if (entry.path().extension() != ".png") continue;
        const auto other = std::filesystem::path(DirB) / entry.path().filename();
        if (!std::filesystem::exists(other)) {
            std::printf("%s: missing in %s\n", entry.path().filename().c_str(), DirB.c_str());
            worst = 0;
            continue;
        }
        platform::TBitmap a, b;
        a.LoadFromFile(entry.path().string());
        b.LoadFromFile(other.string());
        cairo_surface_t *sa = a.Surface(), *sb = b.Surface();
        const int w = cairo_image_surface_get_width(sa), h = cairo_image_surface_get_height(sa);
        if (w != cairo_image_surface_get_width(sb) || h != cairo_image_surface_get_height(sb)) {
            std::printf("%s: sizes differ\n", entry.path().filename().c_str());
            worst = 0;
            continue;
        }
        const std::uint32_t paperA = PixelAt(sa, 0, 0), paperB = PixelAt(sb, 0, 0);
        TIoU iou;
        std::size_t differing = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t pa = PixelAt(sa, x, y), pb = PixelAt(sb, x, y);
                const bool inkA = pa != paperA, inkB = pb != paperB;
                iou.Both += inkA && inkB;
                iou.Either += inkA || inkB;
                differing += pa != pb;
            }
        std::printf("%-28s ink IoU %.4f, pixels differing %zu of %d\n",
                    entry.path().filename().c_str(), iou.Value(), differing, w * h);
        worst = std::min(worst, iou.Value());
        ++pages;
    }
    std::printf("%zu pages; lowest ink IoU %.4f\n", pages, worst);
    return 0;
}

} // namespace

int main(int Argc, char** Argv) {
    const std::string mode = Argc > 1 ? Argv[1] : "";
    if (mode == "icons" && Argc >= 3)
        return CompareIcons(Argv[2], Argc > 3 ? std::atoi(Argv[3]) : 256);
    if (mode == "pages" && Argc == 4) return ComparePages(Argv[2], Argv[3]);
    std::fprintf(stderr, "usage: %s icons RAWDIR [SIZE] | pages DIR_A DIR_B\n", Argv[0]);
    return 2;
}
