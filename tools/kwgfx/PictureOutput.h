// SPDX-License-Identifier: MIT
#pragma once
// Where the program's pictures go: PNG files, or PDF, SVG and PostScript documents drawn
// through the same canvas.
//   - TPictureFormat and its file-name extensions
//   - TPictureFile: one picture in one file (render)
//   - TPageOutput: a series of pages (gallery), one file per page (PNG, SVG) or all pages
//     in one document (PDF, PostScript)

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/backends/cairo/VectorDocument.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kwtool {

enum class TPictureFormat { Png, Pdf, Svg, PostScript };

// By the file name's extension (.pdf, .svg or .ps, in any case); anything else is PNG.
TPictureFormat FormatOfFileName(std::string_view FileName);
// "png", "pdf", "svg" or "ps"; any other name is a ToolError.
TPictureFormat ParseFormat(std::string_view Name);
// ".png", ".pdf", ".svg", ".ps".
std::string_view FileExtension(TPictureFormat Format);

// One picture of Width x Height pixels for FileName: an opaque white bitmap saved as PNG
// (anti-aliased when asked), or a one-page vector document, which is exact anyway.
class TPictureFile {
public:
    TPictureFile(TPictureFormat Format, std::string FileName, int Width, int Height,
                 bool Antialias);
    ~TPictureFile();

    kw::platform::TCairoCanvas& Canvas();
    // Writes the PNG, or finishes the document.
    void Save();

private:
    std::string FFileName;
    std::unique_ptr<kw::platform::TBitmap> FBitmap;
    std::unique_ptr<kw::platform::TVectorDocument> FDocument;
};

// Pages written into Folder: "<stem>.png" or "<stem>.svg" per page, or every page in one
// "gallery.pdf" or "gallery.ps".
class TPageOutput {
public:
    TPageOutput(TPictureFormat Format, std::filesystem::path Folder, bool Antialias);
    ~TPageOutput();

    // Begins the page named Stem (its file name without extension) and gives its canvas.
    kw::platform::TCanvas& BeginPage(const std::string& Stem, int Width, int Height);
    // Finishes the page; gives the file it finished, if it was one of its own.
    std::optional<std::filesystem::path> EndPage();
    // Finishes the document; gives its file, if the pages went into one.
    std::optional<std::filesystem::path> Finish();

    // The index page's HTML that shows page number PageIndex (from 0) named Stem: the
    // picture itself, or a link to its page in the document.
    std::string IndexEntry(std::size_t PageIndex, const std::string& Stem,
                           const std::string& Title) const;

private:
    bool Paged() const;
    std::filesystem::path DocumentFile() const;

    TPictureFormat FFormat;
    std::filesystem::path FFolder;
    bool FAntialias;
    std::unique_ptr<TPictureFile> FPicture; // a page of its own
    std::filesystem::path FPictureFile;
    std::unique_ptr<kw::platform::TPagedDocument> FDocument; // all pages in one
};

} // namespace kwtool
