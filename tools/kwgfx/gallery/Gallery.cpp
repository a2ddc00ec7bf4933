// The gallery command: builds every page, saves its picture and writes index.html, a
// page that shows them all under their titles.
#include "Gallery.h"

#include "GalleryPages.h"

#include <kwgfx/platform/graphics/cairo/Bitmap.h>

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

void WriteIndex(const std::filesystem::path& File, const std::vector<TGalleryPage>& Pages) {
    std::ofstream out(File);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>kwgfx gallery</title>\n<style>body{font-family:sans-serif;margin:2em}"
           "img{border:1px solid #ccc;max-width:100%}</style>\n</head>\n<body>\n"
           "<h1>kwgfx gallery</h1>\n";
    for (const TGalleryPage& page : Pages)
        out << "<h2>" << page.Title() << "</h2>\n<p><img src=\"" << page.FileName() << "\" alt=\""
            << page.Title() << "\"></p>\n";
    out << "</body>\n</html>\n";
    out.close();
    if (!out) throw std::runtime_error("cannot write " + File.string());
}

} // namespace

int RunGallery(std::span<const std::string_view> Args) {
    if (Args.size() > 1) {
        std::fprintf(stderr, "kwgfx: gallery takes at most one argument, the output folder\n");
        return 2;
    }
    const std::filesystem::path folder =
        Args.empty() ? std::filesystem::path("gallery") : std::filesystem::path(Args[0]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "kwgfx: cannot create the folder %s\n", folder.string().c_str());
        return 1;
    }
    try {
        kw::platform::TBitmap image(48, 32);
        PaintSampleImage(image);
        std::vector<TGalleryPage> pages;
        pages.push_back(PathShapesPage());
        pages.push_back(SplinesPage());
        pages.push_back(GradientsPage());
        pages.push_back(ArrowsPage());
        pages.push_back(PieSlicesPage());
        pages.push_back(ShapeStylesPage(image));
        pages.push_back(ShapeTypesPage());
        pages.push_back(FramesPage());
        pages.push_back(ColorSchemesPage());
        pages.push_back(ProgressPage());
        pages.push_back(TextWrapPage());
        pages.push_back(UiHelpersPage());
        pages.push_back(HintWindowsPage());
        pages.push_back(SvgIconsPage());
        for (const TGalleryPage& page : pages) {
            page.Save(folder);
            std::printf("%s\n", (folder / page.FileName()).string().c_str());
        }
        WriteIndex(folder / "index.html", pages);
        std::printf("%s\n", (folder / "index.html").string().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kwgfx: gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace kwtool
