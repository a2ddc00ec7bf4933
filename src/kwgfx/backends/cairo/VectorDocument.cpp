// SPDX-License-Identifier: MIT
// Vector documents: the Cairo surface of each format, writing through a file stream, pages.
#include "kwgfx/backends/cairo/VectorDocument.h"
#include "kwgfx/backends/cairo/detail/CairoHandles.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/streams/FileStream.h"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kw::platform {

namespace {

// A pixel at 96 per inch on a page measured in points at 72 per inch.
constexpr double kPointsPerPixel = 0.75;

void CheckPageSize(const std::string& FileName, int32_t Width, int32_t Height) {
    if (Width < 1 || Height < 1)
        throw ERangeError("Page size " + std::to_string(Width) + " x " + std::to_string(Height) +
                          " of \"" + FileName + "\" is not supported (each side at least 1)");
}

// Only a regular file is ours to remove: a device or a pipe the caller named stays.
void RemoveFailedFile(const std::string& FileName) noexcept {
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(FileName, ec)))
        std::filesystem::remove(FileName, ec);
}

} // namespace

// The file the surface writes into, and the first reason writing failed.
struct TVectorDocument::TOutput {
    explicit TOutput(const std::string& FileName) : File(FileName, TFileMode::fmCreate) {}

    // Cairo's write callback. Once writing has failed, it fails at once.
    static cairo_status_t Write(void* Closure, const unsigned char* Data, unsigned int Length) {
        auto* self = static_cast<TOutput*>(Closure);
        while (self->Error.empty() && Length > 0) {
            errno = 0;
            const int64_t written = self->File.Write(Data, Length);
            if (written <= 0) {
                self->Error = errno ? std::strerror(errno) : "nothing was written";
                break;
            }
            Data += written;
            Length -= static_cast<unsigned int>(written);
        }
        return self->Error.empty() ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
    }

    TFileStream File;
    std::string Error;
};

TVectorDocument::TVectorDocument(TVectorFormat Format, const std::string& FileName, int32_t Width,
                                 int32_t Height)
    : FFormat(Format), FFileName(FileName) {
    CheckPageSize(FileName, Width, Height);
    FOutput = std::make_unique<TOutput>(FileName);
    double scale = kPointsPerPixel;
    switch (Format) {
    case TVectorFormat::vfPdf:
        FSurface = cairo_pdf_surface_create_for_stream(TOutput::Write, FOutput.get(), Width * scale,
                                                       Height * scale);
        cairo_pdf_surface_set_metadata(FSurface, CAIRO_PDF_METADATA_CREATOR, "kwgfx");
        break;
    case TVectorFormat::vfPostScript:
        FSurface = cairo_ps_surface_create_for_stream(TOutput::Write, FOutput.get(), Width * scale,
                                                      Height * scale);
        break;
    case TVectorFormat::vfSvg:
        // SVG has the CSS pixel, 96 per inch, as a unit of its own.
        scale = 1;
        FSurface =
            cairo_svg_surface_create_for_stream(TOutput::Write, FOutput.get(), Width, Height);
        cairo_svg_surface_set_document_unit(FSurface, CAIRO_SVG_UNIT_PX);
        // What SVG cannot draw (a gradient mesh) comes out as an image of its own area
        // only: for version 1.1 Cairo would turn the whole page into one image instead.
        // Drawing over (all the canvas does) writes the same elements in either version.
        cairo_svg_surface_restrict_to_version(FSurface, CAIRO_SVG_VERSION_1_2);
        break;
    }
    const cairo_detail::TCairoContextHandle context(cairo_create(FSurface));
    cairo_scale(context.get(), scale, scale);
    FCanvas = std::make_unique<TCairoCanvas>(context.get());
    FCanvas->SetAntialias(true);
    FPageWidth = Width;
    FPageHeight = Height;
    FPageCount = 1;
    // The destructor does not run for a constructor that throws: finish here.
    if (cairo_surface_status(FSurface) != CAIRO_STATUS_SUCCESS) {
        Finish();
        throw EWriteError("Cannot write file \"" + FFileName + "\". " + FError);
    }
}

TVectorDocument::~TVectorDocument() {
    if (!Closed()) Finish();
}

TCairoCanvas& TVectorDocument::Canvas() {
    if (Closed()) throw EInvalidOperation("The document \"" + FFileName + "\" is closed");
    return *FCanvas;
}

void TVectorDocument::Close() {
    if (Closed()) return;
    Finish();
    if (!FError.empty()) throw EWriteError("Cannot write file \"" + FFileName + "\". " + FError);
}

// Every page is shown explicitly, so that a page left blank is still a page of the file.
void TVectorDocument::Finish() noexcept {
    cairo_show_page(FCanvas->Context());
    FCanvas.reset();
    cairo_surface_finish(FSurface);
    const cairo_status_t status = cairo_surface_status(FSurface);
    cairo_surface_destroy(FSurface);
    FSurface = nullptr;
    FError = FOutput->Error;
    if (FError.empty() && status != CAIRO_STATUS_SUCCESS) FError = cairo_status_to_string(status);
    FOutput.reset();
    if (!FError.empty()) RemoveFailedFile(FFileName);
}

void TVectorDocument::StartNextPage(int32_t Width, int32_t Height) {
    if (Closed()) throw EInvalidOperation("The document \"" + FFileName + "\" is closed");
    CheckPageSize(FFileName, Width, Height);
    cairo_show_page(FCanvas->Context());
    if (FFormat == TVectorFormat::vfPdf)
        cairo_pdf_surface_set_size(FSurface, Width * kPointsPerPixel, Height * kPointsPerPixel);
    else
        cairo_ps_surface_set_size(FSurface, Width * kPointsPerPixel, Height * kPointsPerPixel);
    FPageWidth = Width;
    FPageHeight = Height;
    ++FPageCount;
}

void TPagedDocument::NewPage() {
    StartNextPage(PageWidth(), PageHeight());
}

void TPagedDocument::NewPage(int32_t Width, int32_t Height) {
    StartNextPage(Width, Height);
}

} // namespace kw::platform
