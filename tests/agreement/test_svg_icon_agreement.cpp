// SPDX-License-Identifier: MIT
// Agreement of the SVG path reader with an independent SVG renderer on real icons.
//
// Every icon of tests/data/icons/icons.txt is read with SetSvgPathString, stretched by its
// exact bounds to fill 512x512 and filled with its own fill rule; the same path data goes
// to rsvg-convert inside an SVG with the same transform. Both images are cut at half
// coverage and compared by intersection over union, which must reach 0.98 for every icon.
// The lenient compatible reader (SetPathString) is scored on the same icons with the same
// transform, for the record only: it reads compact icon text differently by design.
//
// The library side is the library's own road all the way: SetSvgPathString, the transforms
// Translate and Scale, and FillPathArea on the Cairo canvas of a TBitmap with anti-aliasing
// on, which fills all figures at their sub-pixel coordinates as one area under the icon's
// fill rule (the path's FillPath paints each figure on its own, so an inner figure would be
// painted over, not cut out).
//
// Sections
//   1. Icons and the fit transform
//   2. Reference images from rsvg-convert
//   3. Library images
//   4. Comparison

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/path/KwPathAreaFill.h>
#include <kwgfx/path/KwPathData.h>
#include <kwgfx/platform/graphics/Colors.h>

#include "support/IconSample.h"
#include <cairo.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace kw;

namespace {

using kwtest::TIconSample;

constexpr int Size = 512;  // each icon is drawn to fill Size x Size
constexpr int Pitch = 528; // tile pitch in the batched reference image: a gap between icons
constexpr int Columns = 4; // tiles per row and column of one reference image
using TMask = std::vector<uint8_t>; // Size*Size, 1 where coverage is at least one half

// ---------------------------------------------------------------- 1. Icons and the fit transform

// x' = X*Sx + Tx, y' = Y*Sy + Ty: the icon's exact bounds onto (0,0)-(Size,Size). The
// library moves its path with Translate(-Left, -Top) and Scale(Sx, Sy); the SVG gets the
// same mapping as one matrix.
struct TFit {
    double Sx = 1, Sy = 1, Tx = 0, Ty = 0;
};

TFit FitToSquare(const TKwRect& Bounds) {
    TFit f;
    f.Sx = Size / (double(Bounds.Right) - Bounds.Left);
    f.Sy = Size / (double(Bounds.Bottom) - Bounds.Top);
    f.Tx = -Bounds.Left * f.Sx;
    f.Ty = -Bounds.Top * f.Sy;
    return f;
}

std::string Num(double V) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, V).ptr);
}

// ---------------------------------------------------------------- 2. Reference images from
// rsvg-convert

class TScratchDir {
public:
    TScratchDir() {
        FPath =
            std::filesystem::temp_directory_path() / ("kwgfx-icons-" + std::to_string(::getpid()));
        std::filesystem::create_directories(FPath);
    }
    ~TScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    const std::filesystem::path& Path() const { return FPath; }

private:
    std::filesystem::path FPath;
};

TMask MaskFromArgb(cairo_surface_t* S, int X0, int Y0) {
    TMask m(Size * Size);
    cairo_surface_flush(S);
    const unsigned char* data = cairo_image_surface_get_data(S);
    const int stride = cairo_image_surface_get_stride(S);
    for (int y = 0; y < Size; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + (Y0 + y) * stride);
        for (int x = 0; x < Size; ++x) m[y * Size + x] = (row[X0 + x] >> 24) >= 128;
    }
    return m;
}

// Renders up to Columns*Columns icons in one rsvg-convert run, each in its own tile.
std::vector<TMask> RenderWithRsvg(const std::vector<const TIconSample*>& Icons,
                                  const std::vector<TFit>& Fits, const TScratchDir& Dir) {
    const std::filesystem::path svg = Dir.Path() / "batch.svg";
    const std::filesystem::path png = Dir.Path() / "batch.png";
    {
        std::ofstream out(svg);
        out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Pitch * Columns
            << "\" height=\"" << Pitch * Columns << "\">\n";
        for (std::size_t i = 0; i < Icons.size(); ++i) {
            const TFit& f = Fits[i];
            const int ox = int(i % Columns) * Pitch, oy = int(i / Columns) * Pitch;
            out << "<path transform=\"matrix(" << Num(f.Sx) << " 0 0 " << Num(f.Sy) << " "
                << Num(f.Tx + ox) << " " << Num(f.Ty + oy) << ")\" fill-rule=\""
                << Icons[i]->FillRule << "\" d=\"" << Icons[i]->Data << "\"/>\n";
        }
        out << "</svg>\n";
    }
    const std::string command =
        std::string(KWGFX_RSVG_CONVERT) + " -o '" + png.string() + "' '" + svg.string() + "'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "rsvg-convert failed: " << command;
        return {};
    }
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    std::vector<TMask> masks;
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        for (std::size_t i = 0; i < Icons.size(); ++i)
            masks.push_back(
                MaskFromArgb(image, int(i % Columns) * Pitch, int(i / Columns) * Pitch));
    } else {
        ADD_FAILURE() << "cannot read " << png;
    }
    cairo_surface_destroy(image);
    return masks;
}

// ---------------------------------------------------------------- 3. Library images

// The path filled black on the library's white bitmap; ink where at least half covered.
TMask RenderWithLibrary(TKwPathData& Path, bool EvenOdd) {
    // A canvas point (x, y) is the centre of pixel (x, y), while the SVG pixel (x, y) spans
    // [x, x + 1]: the same picture needs the path half a pixel up and to the left.
    Path.Translate(-0.5f, -0.5f);
    Path.SetFillMode(EvenOdd ? fmEvenOdd : fmNonZero);
    platform::TBitmap bitmap(Size, Size);
    platform::TCairoCanvas& canvas = bitmap.Canvas();
    canvas.SetAntialias(true);
    canvas.Pen().SetStyle(platform::psClear);
    canvas.Brush().SetStyle(platform::bsSolid);
    canvas.Brush().SetColor(platform::clBlack);
    FillPathArea(canvas, Path);
    std::vector<uint32_t> pixels(Size * Size);
    bitmap.ReadPixels(pixels);
    TMask m(Size * Size);
    // Grey on white: a channel of 127 or less is at least half covered.
    for (std::size_t i = 0; i < pixels.size(); ++i) m[i] = (pixels[i] & 0xFF) < 128;
    return m;
}

// ---------------------------------------------------------------- 4. Comparison

double IntersectionOverUnion(const TMask& A, const TMask& B) {
    std::size_t both = 0, either = 0;
    for (std::size_t i = 0; i < A.size(); ++i) {
        both += A[i] & B[i];
        either += A[i] | B[i];
    }
    return either == 0 ? 1.0 : double(both) / double(either);
}

struct TScore {
    double Iou;
    const TIconSample* Icon;
};

void Summarise(const char* Reader, std::vector<TScore> Scores, double Threshold) {
    std::sort(Scores.begin(), Scores.end(),
              [](const TScore& A, const TScore& B) { return A.Iou < B.Iou; });
    const auto passing = std::count_if(Scores.begin(), Scores.end(),
                                       [&](const TScore& S) { return S.Iou >= Threshold; });
    std::printf("%s: %zu icons, IoU min %.4f (%s/%s), median %.4f, %.1f%% at or above %.2f\n",
                Reader, Scores.size(), Scores.front().Iou, Scores.front().Icon->Set.c_str(),
                Scores.front().Icon->Name.c_str(), Scores[Scores.size() / 2].Iou,
                100.0 * double(passing) / double(Scores.size()), Threshold);
}

} // namespace

TEST(SvgIconAgreement, StrictReaderMatchesAnIndependentRenderer) {
    const std::vector<TIconSample> icons = kwtest::LoadIconSample();
    ASSERT_GE(icons.size(), 300u);
    TScratchDir dir;
    std::vector<TScore> scores, compatibleScores;
    constexpr double threshold = 0.98;

    for (std::size_t first = 0; first < icons.size(); first += Columns * Columns) {
        std::vector<const TIconSample*> batch;
        std::vector<TFit> fits;
        std::vector<TMask> ours, theirs;
        for (std::size_t i = first; i < std::min(icons.size(), first + Columns * Columns); ++i) {
            TKwPathData path;
            const TKwSvgPathResult r = path.SetSvgPathString(icons[i].Data);
            EXPECT_TRUE(r.Ok) << icons[i].Set << "/" << icons[i].Name << ": " << r.Message << " at "
                              << r.Position;
            const TKwRect bounds = path.GetTightBounds();
            const TFit fit = FitToSquare(bounds);
            path.Translate(-bounds.Left, -bounds.Top);
            path.Scale(float(fit.Sx), float(fit.Sy));
            const bool evenOdd = icons[i].FillRule == "evenodd";
            batch.push_back(&icons[i]);
            fits.push_back(fit);
            ours.push_back(RenderWithLibrary(path, evenOdd));
            TKwPathData compatible;
            compatible.SetPathString(icons[i].Data);
            compatible.Translate(-bounds.Left, -bounds.Top);
            compatible.Scale(float(fit.Sx), float(fit.Sy));
            theirs.push_back(RenderWithLibrary(compatible, evenOdd));
        }
        const std::vector<TMask> reference = RenderWithRsvg(batch, fits, dir);
        ASSERT_EQ(reference.size(), batch.size());
        for (std::size_t k = 0; k < batch.size(); ++k) {
            const double iou = IntersectionOverUnion(ours[k], reference[k]);
            scores.push_back({iou, batch[k]});
            compatibleScores.push_back({IntersectionOverUnion(theirs[k], reference[k]), batch[k]});
            EXPECT_GE(iou, threshold) << batch[k]->Set << "/" << batch[k]->Name;
        }
    }
    Summarise("SetSvgPathString", scores, threshold);
    Summarise("SetPathString (compatible, for the record)", compatibleScores, threshold);
}
