// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Vector documents: PDF, SVG and PostScript files drawn through the same Cairo canvas as a
/// TBitmap, with the same conventions (integer pixel coordinates, boxes covering L..R-1,
/// outlines inside the box, whole-pixel pens). Sizes are pixels at 96 per inch, so a pixel
/// is 0.75 pt on paper. Shapes stay exact at any zoom; text stays text (its font is embedded
/// and, in PDF, it can be selected and searched) and is laid out exactly as on a bitmap;
/// bitmaps drawn with Draw and StretchDraw are embedded as images.
///
/// The canvas starts with anti-aliasing on, so that what Cairo must rasterise itself (an
/// SVG gradient mesh, smoothed images) comes out as on an anti-aliased bitmap. PostScript
/// page sizes are whole points, rounded up; SVG sizes are given in px.
///
/// The file is created when the document is; EFOpenError names it when it cannot be.
/// Close() finishes the file and raises EWriteError naming it when writing failed; the
/// destructor finishes an open document too, silently. Either way a file that failed is
/// removed, so no half-written document is left behind.

#include "kwgfx/backends/cairo/CairoCanvas.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kw::platform {

/// The file format of a vector document.
enum class TVectorFormat { vfPdf, vfSvg, vfPostScript };

/// A vector document (PDF, SVG or PostScript file) with a Cairo canvas per page; see the file's
/// description.
class TVectorDocument {
public:
    virtual ~TVectorDocument();
    TVectorDocument(const TVectorDocument&) = delete;
    TVectorDocument& operator=(const TVectorDocument&) = delete;

    /// The file format.
    TVectorFormat Format() const { return FFormat; }
    /// The name of the file being written.
    const std::string& FileName() const { return FFileName; }
    /// The current page's size in pixels, and the pages begun so far (the current one too).
    ///@{
    int32_t PageWidth() const { return FPageWidth; }
    int32_t PageHeight() const { return FPageHeight; }
    int32_t PageCount() const { return FPageCount; }
    ///@}
    /// Whether Close has finished the file.
    bool Closed() const { return FCanvas == nullptr; }

    /// The current page's canvas. EInvalidOperation once the document is closed.
    TCairoCanvas& Canvas();

    /// Finishes the file. Closing a closed document does nothing.
    void Close();

protected:
    /// Creates FileName with one page of Width x Height pixels (each at least 1, else
    /// ERangeError, and no file is created).
    TVectorDocument(TVectorFormat Format, const std::string& FileName, int32_t Width,
                    int32_t Height);
    /// Ends the current page and begins one of Width x Height pixels, for the paged formats.
    void StartNextPage(int32_t Width, int32_t Height);

private:
    struct TOutput;
    void Finish() noexcept;

    TVectorFormat FFormat;
    std::string FFileName;
    int32_t FPageWidth = 0;
    int32_t FPageHeight = 0;
    int32_t FPageCount = 0;
    std::unique_ptr<TOutput> FOutput;
    cairo_surface_t* FSurface = nullptr;
    std::unique_ptr<TCairoCanvas> FCanvas;
    std::string FError; // why writing failed, empty while it has not
};

/// PDF and PostScript documents hold any number of pages, each of its own size.
class TPagedDocument : public TVectorDocument {
public:
    /// Ends the current page and begins the next, of the same size or of Width x Height
    /// pixels. The canvas keeps its pen, brush and font. EInvalidOperation once closed.
    ///@{
    void NewPage();
    void NewPage(int32_t Width, int32_t Height);
    ///@}

protected:
    using TVectorDocument::TVectorDocument;
};

/// A PDF file of any number of pages.
class TPdfDocument final : public TPagedDocument {
public:
    /// Creates FileName with one page of Width x Height pixels.
    TPdfDocument(const std::string& FileName, int32_t Width, int32_t Height)
        : TPagedDocument(TVectorFormat::vfPdf, FileName, Width, Height) {}
};

/// A PostScript file of any number of pages.
class TPostScriptDocument final : public TPagedDocument {
public:
    /// Creates FileName with one page of Width x Height pixels.
    TPostScriptDocument(const std::string& FileName, int32_t Width, int32_t Height)
        : TPagedDocument(TVectorFormat::vfPostScript, FileName, Width, Height) {}
};

/// An SVG document is one picture: it has one page.
class TSvgDocument final : public TVectorDocument {
public:
    /// Creates FileName, one picture of Width x Height pixels.
    TSvgDocument(const std::string& FileName, int32_t Width, int32_t Height)
        : TVectorDocument(TVectorFormat::vfSvg, FileName, Width, Height) {}
};

} // namespace kw::platform
