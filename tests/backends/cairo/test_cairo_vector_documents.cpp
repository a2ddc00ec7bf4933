// SPDX-License-Identifier: MIT
// Vector documents and the Cairo canvas over a given context, without outside tools: files
// that cannot be created or written, text measured as on a bitmap, a context's own
// transformation and state. (Rasterising the documents back is tests/agreement's job.)
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/VectorDocument.h"
#include "kwgfx/platform/base/Exceptions.h"

#include "support/ScratchFolder.h"
#include <cairo.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace kw::platform;
namespace fs = std::filesystem;

namespace {

using TMakeDocument =
    std::function<std::unique_ptr<TVectorDocument>(const std::string&, int32_t, int32_t)>;

struct TFormatCase {
    const char* Name;
    TMakeDocument Make;
};

const TFormatCase kFormats[] = {
    {"PDF", [](const std::string& F, int32_t W,
               int32_t H) { return std::make_unique<TPdfDocument>(F, W, H); }},
    {"SVG", [](const std::string& F, int32_t W,
               int32_t H) { return std::make_unique<TSvgDocument>(F, W, H); }},
    {"PostScript", [](const std::string& F, int32_t W,
                      int32_t H) { return std::make_unique<TPostScriptDocument>(F, W, H); }},
};

// Enough drawing that every format writes well over Bytes of output.
void DrawPlenty(TCanvas& C, int Bytes) {
    for (int i = 0; i * 40 < Bytes; ++i) {
        C.Pen().SetColor(i * 7919);
        C.Ellipse(i % 300, i % 200, i % 300 + 50, i % 200 + 30);
        C.TextOut(i % 250, i % 180, "line " + std::to_string(i));
    }
}

// Caps the size of files this process writes, for the life of the object.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t Bytes) {
        getrlimit(RLIMIT_FSIZE, &FSaved);
        FHandler = std::signal(SIGXFSZ, SIG_IGN); // write() then fails with EFBIG
        rlimit limit = FSaved;
        limit.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FHandler);
    }

private:
    rlimit FSaved{};
    void (*FHandler)(int) = nullptr;
};

} // namespace

TEST(VectorDocuments, BadFilesAndSizesRaiseAndLeaveNoFile) {
    kwtest::TScratchFolder scratch("kwgfx-vector");
    fs::create_directory(scratch.Path() / "a folder");
    const std::string missingFolder = (scratch.Path() / "no such folder" / "out").string();
    const std::string folder = (scratch.Path() / "a folder").string();
    const std::string good = (scratch.Path() / "out").string();
    for (const TFormatCase& f : kFormats) {
        SCOPED_TRACE(f.Name);
        for (const std::string& name : {missingFolder, folder}) {
            try {
                f.Make(name, 100, 100);
                ADD_FAILURE() << "no error for " << name;
            } catch (const EFOpenError& e) {
                EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            }
        }
        EXPECT_THROW(f.Make(good, 0, 100), ERangeError);
        EXPECT_THROW(f.Make(good, 100, -1), ERangeError);
        EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), {}), 1)
            << "only the folder made for the test";

        auto document = f.Make(good, 100, 100);
        document->Close();
        EXPECT_THROW(document->Canvas(), EInvalidOperation);
        if (auto* paged = dynamic_cast<TPagedDocument*>(document.get())) {
            EXPECT_THROW(paged->NewPage(), EInvalidOperation);
        }
        EXPECT_NO_THROW(document->Close());
        fs::remove(good);
    }
}

// A file that fills up on the way leaves nothing behind, whether Close reports it or the
// destructor finishes the document.
TEST(VectorDocuments, WriteFailureRaisesAndRemovesTheFile) {
    kwtest::TScratchFolder scratch("kwgfx-vector");
    const std::string name = (scratch.Path() / "big").string();
    for (const TFormatCase& f : kFormats) {
        SCOPED_TRACE(f.Name);
        {
            TFileSizeLimit limit(4096);
            auto document = f.Make(name, 400, 300);
            DrawPlenty(document->Canvas(), 64 * 1024);
            try {
                document->Close();
                ADD_FAILURE() << "no error";
            } catch (const EWriteError& e) {
                EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            }
            EXPECT_FALSE(fs::exists(name));
            document = f.Make(name, 400, 300);
            DrawPlenty(document->Canvas(), 64 * 1024);
            EXPECT_NO_THROW(document.reset());
            EXPECT_FALSE(fs::exists(name));
        }
        // Without the limit the same drawing makes a whole file.
        auto document = f.Make(name, 400, 300);
        DrawPlenty(document->Canvas(), 64 * 1024);
        document->Close();
        EXPECT_GT(fs::file_size(name), 4096u);
        fs::remove(name);
    }
}

// Text measures the same on every page as on a bitmap, so that layouts made with TextExtent
// come out alike on screen and on paper, although a PDF page's units are points.
TEST(VectorDocuments, TextMeasuresAsOnABitmap) {
    struct TFontCase {
        const char* Name;
        int32_t Height;
        TFontStyles Style;
    };
    const TFontCase fonts[] = {{"Default", -11, {}},
                               {"Default", -17, {fsBold}},
                               {"Default", 20, {fsItalic}},
                               {"DejaVu Serif", -13, {}},
                               {"DejaVu Sans Mono", -9, {fsBold, fsItalic}}};
    const std::string text = "Quarterly report: 1,234.5 units (WAVE, fill, ffi)";
    kwtest::TScratchFolder scratch("kwgfx-vector");
    TBitmap bitmap(10, 10);
    bitmap.Canvas().SetAntialias(true);
    for (const TFormatCase& f : kFormats) {
        auto document = f.Make((scratch.Path() / "text").string(), 200, 100);
        for (const TFontCase& font : fonts) {
            SCOPED_TRACE(std::string(f.Name) + ", " + font.Name + " " +
                         std::to_string(font.Height));
            for (TCairoCanvas* c : {&bitmap.Canvas(), &document->Canvas()}) {
                c->Font().SetName(font.Name);
                c->Font().SetHeight(font.Height);
                c->Font().SetStyle(font.Style);
            }
            TCanvas& page = document->Canvas();
            EXPECT_EQ(page.TextExtent(text), bitmap.Canvas().TextExtent(text));
            const TTextMetric a = page.GetTextMetrics(), b = bitmap.Canvas().GetTextMetrics();
            EXPECT_EQ(a.tmAscent, b.tmAscent);
            EXPECT_EQ(a.tmDescent, b.tmDescent);
            EXPECT_EQ(a.tmInternalLeading, b.tmInternalLeading);
            EXPECT_EQ(a.tmAveCharWidth, b.tmAveCharWidth);
            EXPECT_EQ(a.tmMaxCharWidth, b.tmMaxCharWidth);
        }
    }
}

// A canvas over a window's context draws in that context's units and hands the context
// back as it found it.
TEST(CairoCanvasOverContext, DrawsThroughTheContextTransformAndKeepsItsState) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 40, 40);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_translate(cr, 10, 5);
    cairo_scale(cr, 2, 2);
    cairo_set_source_rgb(cr, 0, 1, 0);
    cairo_set_line_width(cr, 7);
    {
        TCairoCanvas canvas(cr);
        canvas.Pen().SetStyle(psClear);
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(TRect(0, 0, 5, 5));
        canvas.Brush().SetColor(clBlue);
        canvas.Rectangle(6, 6, 10, 10); // no pen: the fill alone
        canvas.TextOut(0, 0, "");
    }
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    EXPECT_EQ(m.xx, 2);
    EXPECT_EQ(m.x0, 10);
    EXPECT_EQ(m.y0, 5);
    EXPECT_EQ(cairo_get_line_width(cr), 7);
    double r = 0, g = 0, b = 0;
    cairo_pattern_get_rgba(cairo_get_source(cr), &r, &g, &b, nullptr);
    EXPECT_EQ(g, 1);
    EXPECT_EQ(cairo_status(cr), CAIRO_STATUS_SUCCESS);

    cairo_surface_flush(surface);
    const auto pixel = [&](int X, int Y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            cairo_image_surface_get_data(surface) + Y * cairo_image_surface_get_stride(surface));
        return row[X] & 0xFFFFFF;
    };
    // Canvas pixels (0..4, 0..4) are device pixels 10..19, 5..14.
    EXPECT_EQ(pixel(10, 5), 0xFF0000u);
    EXPECT_EQ(pixel(19, 14), 0xFF0000u);
    EXPECT_EQ(pixel(20, 14), 0xFFFFFFu);
    EXPECT_EQ(pixel(19, 15), 0xFFFFFFu);
    EXPECT_EQ(pixel(9, 5), 0xFFFFFFu);
    EXPECT_EQ(pixel(22, 17), 0x0000FFu);
    EXPECT_EQ(pixel(29, 24), 0x0000FFu);
    EXPECT_EQ(pixel(30, 24), 0xFFFFFFu);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}
