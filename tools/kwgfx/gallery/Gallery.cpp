// SPDX-License-Identifier: MIT
// The gallery command: builds every page, draws it into the chosen output (PNG or SVG
// files, or one PDF or PostScript document) and writes index.html, a page that shows or
// links them all under their titles.
#include "Gallery.h"

#include "GalleryOptions.h"
#include "GalleryPages.h"
#include "PictureOutput.h"

#include <kwgfx/backends/cairo/Bitmap.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace kwtool {

namespace {

using namespace gallery;

// The page's file name without its extension: each output format adds its own.
std::string PageStem(const TGalleryPage& Page) {
    return std::filesystem::path(Page.FileName()).stem().string();
}

void WriteIndex(const std::filesystem::path& File, const std::vector<TGalleryPage>& Pages,
                const TPageOutput& Output) {
    std::ofstream out(File);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>kwgfx gallery</title>\n<style>body{font-family:sans-serif;margin:2em}"
           "img{border:1px solid #ccc;max-width:100%}</style>\n</head>\n<body>\n"
           "<h1>kwgfx gallery</h1>\n";
    for (std::size_t i = 0; i < Pages.size(); ++i)
        out << "<h2>" << Pages[i].Title() << "</h2>\n"
            << Output.IndexEntry(i, PageStem(Pages[i]), Pages[i].Title());
    out << "</body>\n</html>\n";
    out.close();
    if (!out) throw std::runtime_error("cannot write " + File.string());
}

} // namespace

namespace gallery {

std::vector<TGalleryPage> AllPages(const kw::platform::TBitmap& Image) {
    std::vector<TGalleryPage> pages;
    pages.push_back(PathShapesPage());
    pages.push_back(SplinesPage());
    pages.push_back(GradientsPage());
    pages.push_back(ArrowsPage());
    pages.push_back(PieSlicesPage());
    pages.push_back(ShapeStylesPage(Image));
    pages.push_back(ShapeTypesPage());
    pages.push_back(FramesPage());
    pages.push_back(ColorSchemesPage());
    pages.push_back(ProgressPage());
    pages.push_back(TextWrapPage());
    pages.push_back(UiHelpersPage());
    pages.push_back(HintWindowsPage());
    pages.push_back(SvgIconsPage());
    pages.push_back(PathToolboxPage());
    return pages;
}

} // namespace gallery

int RunGallery(std::span<const std::string_view> Args) {
    TGalleryOptions options;
    try {
        options = ReadGalleryOptions(Args);
    } catch (const ToolError& e) {
        std::fprintf(stderr, "kwgfx: gallery: %s\n", e.what());
        return 2;
    }
    const std::filesystem::path& folder = options.Folder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "kwgfx: cannot create the folder %s\n", folder.string().c_str());
        return 1;
    }
    try {
        kw::platform::TBitmap image(48, 32);
        PaintSampleImage(image);
        const std::vector<TGalleryPage> pages = AllPages(image);
        TPageOutput output(options.Format, folder, options.Antialias);
        for (const TGalleryPage& page : pages) {
            page.Draw(output.BeginPage(PageStem(page), page.Width(), page.Height()),
                      options.Labels);
            if (const auto file = output.EndPage()) std::printf("%s\n", file->string().c_str());
        }
        if (const auto file = output.Finish()) std::printf("%s\n", file->string().c_str());
        WriteIndex(folder / "index.html", pages, output);
        std::printf("%s\n", (folder / "index.html").string().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kwgfx: gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace kwtool
