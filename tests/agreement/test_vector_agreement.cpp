// SPDX-License-Identifier: MIT
// Vector documents against independent rasterisers.
//
// Every gallery page is written as PDF, SVG and PostScript by `kwgfx gallery --format F`,
// rasterised back by a tool outside the library (pdftoppm; rsvg-convert; ps2pdf, then
// pdftoppm) and compared with the same page drawn on a bitmap with anti-aliasing on
// (`kwgfx gallery --antialias`). pdftoppm renders at four times the resolution and its
// pixels are averaged down to area coverage, as Cairo's are: at the page's own resolution
// it snaps glyphs to whole pixels and quantises coverage coarsely. Both pictures are
// binarised, ink where the darkest channel is below 160 (a level between the greys 128
// and 192 that the gallery draws with, so that rounding noise does not decide), and
// compared by intersection over union (IoU).
//
// Each page is compared twice: as drawn, and without its title and labels (`--no-labels`),
// since the bitmap hints its text to the pixel grid while a document keeps the glyphs'
// true outlines. The figure must reach 0.98, save for the pages kFigureBounds names.
//
// Sections
//   1. Running tools, scratch folders
//   2. Pictures: loading, reducing, binarising, IoU
//   3. Rasterising documents
//   4. The gallery, format by format
//   5. Page count and size
//   6. Text in the PDF
//   7. The render command

#include <kwgfx/backends/cairo/VectorDocument.h>

#include "support/ProcessRun.h"
#include "support/ScratchFolder.h"
#include <cairo.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <unistd.h>
#include <vector>

using namespace kw::platform;
namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------- 1. Running tools

const std::string kTool = KWGFX_TOOL;
const std::string kPdftoppm = KWGFX_PDFTOPPM;
const std::string kPdftotext = KWGFX_PDFTOTEXT;
const std::string kPdfinfo = KWGFX_PDFINFO;
const std::string kRsvg = KWGFX_RSVG_CONVERT; // may be empty: SVG cases skip
const std::string kPs2pdf = KWGFX_PS2PDF;     // may be empty: PostScript cases skip

std::string Quote(const fs::path& P) {
    return kwtest::Quote(P.string());
}

// Runs Command in a shell and gives its standard output; a failing command fails the test.
std::string Shell(const std::string& Command) {
    std::string out;
    FILE* pipe = ::popen(Command.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    EXPECT_EQ(status, 0) << Command;
    return out;
}

// ---------------------------------------------------------------- 2. Pictures

// Opaque pixels 0x00RRGGBB, transparent ones laid on white.
struct TPicture {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int X, int Y) const { return Pixels[std::size_t(Y) * Width + X]; }
};

TPicture LoadPng(const fs::path& File) {
    TPicture p;
    cairo_surface_t* s = cairo_image_surface_create_from_png(File.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        p.Width = cairo_image_surface_get_width(s);
        p.Height = cairo_image_surface_get_height(s);
        const bool alpha = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; y < p.Height; ++y) {
            const auto* row =
                reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s));
            for (int x = 0; x < p.Width; ++x) {
                const uint32_t v = row[x], clear = alpha ? 255 - (v >> 24) : 0;
                uint32_t out = 0;
                for (int k = 0; k < 3; ++k) out |= (((v >> (8 * k)) & 0xFF) + clear) << (8 * k);
                p.Pixels.push_back(out);
            }
        }
    }
    cairo_surface_destroy(s);
    EXPECT_GT(p.Width, 0) << "cannot read " << File;
    return p;
}

// Averages Factor x Factor blocks into one pixel.
TPicture Reduce(const TPicture& P, int Factor) {
    TPicture out{P.Width / Factor, P.Height / Factor, {}};
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x) {
            uint32_t sum[3] = {0, 0, 0};
            for (int j = 0; j < Factor; ++j)
                for (int i = 0; i < Factor; ++i)
                    for (int k = 0; k < 3; ++k)
                        sum[k] += (P.At(x * Factor + i, y * Factor + j) >> (8 * k)) & 0xFF;
            uint32_t v = 0;
            for (int k = 0; k < 3; ++k)
                v |= ((sum[k] + Factor * Factor / 2) / (Factor * Factor)) << (8 * k);
            out.Pixels.push_back(v);
        }
    return out;
}

bool Ink(uint32_t Pixel) {
    const uint32_t darkest = std::min({Pixel & 0xFF, (Pixel >> 8) & 0xFF, (Pixel >> 16) & 0xFF});
    return darkest < 160;
}

// Over the reference's area; a rasterised page may be a pixel larger (PostScript pages
// are whole points).
double IntersectionOverUnion(const TPicture& Reference, const TPicture& Other) {
    std::size_t both = 0, either = 0;
    for (int y = 0; y < Reference.Height; ++y)
        for (int x = 0; x < Reference.Width; ++x) {
            const bool a = Ink(Reference.At(x, y));
            const bool b = x < Other.Width && y < Other.Height && Ink(Other.At(x, y));
            both += a && b;
            either += a || b;
        }
    return either == 0 ? 1.0 : double(both) / double(either);
}

// ---------------------------------------------------------------- 3. Rasterising documents

enum class TFormat { Pdf, Svg, PostScript };

// pdftoppm's raw PPM: "P6 W H 255" and the RGB bytes; fast to write and read at the size
// the over-sampled pages have.
TPicture LoadPpm(const fs::path& File) {
    std::ifstream in(File, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    TPicture p;
    in >> magic >> p.Width >> p.Height >> maxValue;
    in.get();
    std::vector<unsigned char> bytes(std::size_t(p.Width) * p.Height * 3);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    EXPECT_TRUE(magic == "P6" && maxValue == 255 && in) << "cannot read " << File;
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
        p.Pixels.push_back(uint32_t(bytes[i]) << 16 | uint32_t(bytes[i + 1]) << 8 | bytes[i + 2]);
    return p;
}

// Page Page (from 1) of a PDF at the canvas's resolution, through four times as many pixels.
TPicture RasterisePdfPage(const fs::path& Pdf, int Page, const fs::path& Scratch) {
    const fs::path prefix = Scratch / "page";
    const std::string n = std::to_string(Page);
    Shell(kPdftoppm + " -r 384 -singlefile -f " + n + " -l " + n + " " + Quote(Pdf) + " " +
          Quote(prefix));
    const fs::path ppm = prefix.string() + ".ppm";
    const TPicture page = Reduce(LoadPpm(ppm), 4);
    fs::remove(ppm);
    return page;
}

TPicture RasteriseSvg(const fs::path& Svg, const fs::path& Scratch) {
    const fs::path png = Scratch / "page.png";
    Shell(kRsvg + " -b white -o " + Quote(png) + " " + Quote(Svg));
    return LoadPng(png);
}

// The gallery's pages in order, by the file names the PNG index shows.
std::vector<std::string> PageStems(const fs::path& Index) {
    std::ifstream in(Index);
    const std::string html((std::istreambuf_iterator<char>(in)), {});
    const std::regex image("<img src=\"([^\"]+)\\.png\"");
    std::vector<std::string> stems;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), image);
         it != std::sregex_iterator(); ++it)
        stems.push_back((*it)[1]);
    return stems;
}

// Writes the gallery in Format into Folder and rasterises its pages.
class TRasterisedGallery {
public:
    TRasterisedGallery(TFormat Format, const fs::path& Folder, const std::string& Options)
        : FFormat(Format), FFolder(Folder) {
        static const char* names[] = {"pdf", "svg", "ps"};
        Shell(Quote(kTool) + " gallery " + Quote(Folder) + " --format " +
              names[static_cast<int>(Format)] + " " + Options);
        if (Format == TFormat::PostScript)
            Shell(kPs2pdf + " " + Quote(Folder / "gallery.ps") + " " +
                  Quote(Folder / "gallery.pdf"));
    }
    TPicture Page(int Index, const std::string& Stem) const {
        if (FFormat == TFormat::Svg) return RasteriseSvg(FFolder / (Stem + ".svg"), FFolder);
        return RasterisePdfPage(FFolder / "gallery.pdf", Index + 1, FFolder);
    }

private:
    TFormat FFormat;
    fs::path FFolder;
};

// ---------------------------------------------------------------- 4. The gallery

// Pages whose figure cannot reach 0.98 through no fault of the documents, and why.
struct TFigureBound {
    const char* Page;
    double Bound;
    const char* Why;
};
const TFigureBound kFigureBounds[] = {
    {"text_wrap", 0.6, "the figure is text: hinted glyphs on the bitmap, true outlines in print"},
    {"arrows", 0.95, "one-pixel diagonal lines: pdftoppm strokes them about 3% heavier"},
};

TFigureBound FigureBound(const std::string& Page) {
    for (const TFigureBound& b : kFigureBounds)
        if (Page == b.Page) return b;
    return {"", 0.98, ""};
}

struct TFormatCase {
    const char* Name;
    TFormat Format;
};

void PrintTo(const TFormatCase& Case, std::ostream* Out) {
    *Out << Case.Name;
}

class VectorGalleryAgreement : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(VectorGalleryAgreement, PagesMatchTheAntialiasedBitmap) {
    const TFormatCase& f = GetParam();
    if (f.Format == TFormat::Svg && kRsvg.empty()) GTEST_SKIP() << "rsvg-convert not found";
    if (f.Format == TFormat::PostScript && kPs2pdf.empty()) GTEST_SKIP() << "ps2pdf not found";
    kwtest::TScratchFolder scratch(std::string("kwgfx-gallery-") + f.Name);
    Shell(Quote(kTool) + " gallery " + Quote(scratch / "bitmap") + " --antialias");
    Shell(Quote(kTool) + " gallery " + Quote(scratch / "bitmap-figures") +
          " --antialias --no-labels");
    const TRasterisedGallery pages(f.Format, scratch / "document", "");
    const TRasterisedGallery figures(f.Format, scratch / "document-figures", "--no-labels");

    const std::vector<std::string> stems = PageStems(scratch / "bitmap" / "index.html");
    ASSERT_GE(stems.size(), 10u);
    std::printf("%-14s %8s %8s   (%s)\n", "page", "IoU", "figure", f.Name);
    for (std::size_t i = 0; i < stems.size(); ++i) {
        const std::string& stem = stems[i];
        const TPicture bitmap = LoadPng(scratch / "bitmap" / (stem + ".png"));
        const TPicture bitmapFigure = LoadPng(scratch / "bitmap-figures" / (stem + ".png"));
        const TPicture page = pages.Page(int(i), stem);
        const TPicture figure = figures.Page(int(i), stem);
        // The page's own size; PostScript rounds it up to whole points.
        EXPECT_GE(page.Width, bitmap.Width) << stem;
        EXPECT_LE(page.Width, bitmap.Width + 1) << stem;
        EXPECT_GE(page.Height, bitmap.Height) << stem;
        EXPECT_LE(page.Height, bitmap.Height + 1) << stem;
        const double iou = IntersectionOverUnion(bitmap, page);
        const double figureIou = IntersectionOverUnion(bitmapFigure, figure);
        const TFigureBound bound = FigureBound(stem);
        std::printf("%-14s %8.4f %8.4f   %s\n", stem.c_str(), iou, figureIou, bound.Why);
        EXPECT_GE(figureIou, bound.Bound) << stem;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, VectorGalleryAgreement,
                         ::testing::Values(TFormatCase{"PDF", TFormat::Pdf},
                                           TFormatCase{"SVG", TFormat::Svg},
                                           TFormatCase{"PostScript", TFormat::PostScript}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---------------------------------------------------------------- 5. Page count and size

// "Page    2 size:  92.25 x 57.75 pts" for each page.
std::vector<std::string> PdfPageSizes(const fs::path& Pdf) {
    const std::string info = Shell(kPdfinfo + " -f 1 -l 99 " + Quote(Pdf));
    const std::regex size("Page +[0-9]+ size: +([0-9.]+ x [0-9.]+) pts");
    std::vector<std::string> sizes;
    for (auto it = std::sregex_iterator(info.begin(), info.end(), size);
         it != std::sregex_iterator(); ++it)
        sizes.push_back((*it)[1]);
    return sizes;
}

TEST(VectorDocumentPages, CountAndSizeAsAsked) {
    kwtest::TScratchFolder scratch("kwgfx-pages");
    // Three pages: 400 x 300 pixels, then 123 x 77 twice, the last one left blank.
    const auto fill = [](TPagedDocument& D) {
        D.Canvas().Rectangle(10, 10, 60, 40);
        D.NewPage(123, 77);
        D.Canvas().Ellipse(0, 0, 123, 77);
        D.NewPage();
        EXPECT_EQ(D.PageCount(), 3);
        EXPECT_EQ(D.PageWidth(), 123);
        D.Close();
    };
    TPdfDocument pdf((scratch / "pages.pdf").string(), 400, 300);
    fill(pdf);
    EXPECT_EQ(PdfPageSizes(scratch / "pages.pdf"),
              (std::vector<std::string>{"300 x 225", "92.25 x 57.75", "92.25 x 57.75"}));
    if (!kPs2pdf.empty()) {
        TPostScriptDocument ps((scratch / "pages.ps").string(), 400, 300);
        fill(ps);
        Shell(kPs2pdf + " " + Quote(scratch / "pages.ps") + " " + Quote(scratch / "ps.pdf"));
        // PostScript page sizes are whole points, rounded up.
        EXPECT_EQ(PdfPageSizes(scratch / "ps.pdf"),
                  (std::vector<std::string>{"300 x 225", "93 x 58", "93 x 58"}));
    }
    if (!kRsvg.empty()) {
        TSvgDocument svg((scratch / "page.svg").string(), 123, 77);
        svg.Canvas().Rectangle(0, 0, 123, 77);
        svg.Close();
        const TPicture page = RasteriseSvg(scratch / "page.svg", scratch / "");
        EXPECT_EQ(page.Width, 123);
        EXPECT_EQ(page.Height, 77);
    }
}

// ---------------------------------------------------------------- 6. Text in the PDF

std::string Squeezed(const std::string& Text) {
    std::string out;
    for (char c : Text)
        if (!std::isspace(static_cast<unsigned char>(c))) out += c;
    return out;
}

TEST(VectorDocumentText, PdfTextCanBeFoundAgain) {
    kwtest::TScratchFolder scratch("kwgfx-text");
    const fs::path file = scratch / "text.pdf";
    {
        TPdfDocument pdf(file.string(), 500, 200);
        TCanvas& c = pdf.Canvas();
        c.TextOut(10, 10, "Quarterly report, page one");
        c.Font().SetStyle({fsBold, fsUnderline});
        c.TextOut(10, 40, "Grüße: 3 × 4 = 12 €");
        c.Font().SetOrientation(900);
        c.TextOut(450, 190, "turned upwards");
        pdf.NewPage();
        c.Font().SetOrientation(0);
        c.TextOut(10, 10, "second page");
        pdf.Close();
    }
    const std::string first = Shell(kPdftotext + " -f 1 -l 1 " + Quote(file) + " -");
    for (const char* words :
         {"Quarterly report, page one", "Grüße: 3 × 4 = 12 €", "turned upwards"})
        EXPECT_NE(Squeezed(first).find(Squeezed(words)), std::string::npos)
            << words << " in " << first;
    EXPECT_EQ(first.find("second page"), std::string::npos);
    EXPECT_NE(Shell(kPdftotext + " -f 2 -l 2 " + Quote(file) + " -").find("second page"),
              std::string::npos);

    // Every page of the gallery's PDF holds its title, in the order of the index.
    Shell(Quote(kTool) + " gallery " + Quote(scratch / "gallery") + " --format pdf");
    std::ifstream in(scratch / "gallery" / "index.html");
    const std::string html((std::istreambuf_iterator<char>(in)), {});
    const std::regex title("<h2>([^<]+)</h2>");
    int page = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), title);
         it != std::sregex_iterator(); ++it) {
        const std::string n = std::to_string(++page);
        const std::string text = Shell(kPdftotext + " -f " + n + " -l " + n + " " +
                                       Quote(scratch / "gallery" / "gallery.pdf") + " -");
        EXPECT_NE(Squeezed(text).find(Squeezed((*it)[1])), std::string::npos)
            << "page " << n << ": " << (*it)[1];
    }
    EXPECT_GE(page, 10);
}

// ---------------------------------------------------------------- 7. The render command

TEST(RenderCommand, WritesTheFormatItsExtensionNames) {
    kwtest::TScratchFolder scratch("kwgfx-render");
    const std::string path = "'M 20 20 L 230 60 L 120 240 Z M 90 80 L 150 90 L 120 150 Z'";
    const std::string common =
        " " + path +
        " --size 256x256 --fill-rule evenodd --fill teal --stroke navy --stroke-width 3";
    Shell(Quote(kTool) + " render" + common + " --antialias -o " + Quote(scratch / "bitmap.png"));
    const TPicture bitmap = LoadPng(scratch / "bitmap.png");
    struct TCase {
        const char* File;
        const char* Signature;
    };
    for (const TCase& c :
         {TCase{"out.pdf", "%PDF-"}, TCase{"out.svg", "<?xml"}, TCase{"out.PS", "%!PS-Adobe"}}) {
        SCOPED_TRACE(c.File);
        const fs::path file = scratch / c.File;
        Shell(Quote(kTool) + " render" + common + " -o " + Quote(file));
        std::ifstream in(file, std::ios::binary);
        std::string head(16, '\0');
        in.read(head.data(), 16);
        EXPECT_EQ(head.rfind(c.Signature, 0), 0u) << head;
        TPicture picture;
        if (head.rfind("<?xml", 0) == 0) {
            if (kRsvg.empty()) continue;
            picture = RasteriseSvg(file, scratch / "");
        } else if (head.rfind("%PDF", 0) == 0) {
            picture = RasterisePdfPage(file, 1, scratch / "");
        } else {
            if (kPs2pdf.empty()) continue;
            Shell(kPs2pdf + " " + Quote(file) + " " + Quote(scratch / "ps.pdf"));
            picture = RasterisePdfPage(scratch / "ps.pdf", 1, scratch / "");
        }
        EXPECT_GE(IntersectionOverUnion(bitmap, picture), 0.98);
    }
}

} // namespace
