// SPDX-License-Identifier: MIT
// The SVG icons page: real icons read by the SVG grammar and filled as one area each, then
// a row of icons whose compact text the lenient compatible reader takes apart differently.
#include "GalleryIcons.h"
#include "GalleryPages.h"

#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/path/KwPathAreaFill.h>
#include <kwgfx/path/KwPathData.h>

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kwtool::gallery {

using namespace kw;
using platform::TBitmap;
using platform::TCanvas;

namespace {

// Moves a read icon from its view box onto a Size x Size square at the origin, one scale
// for both axes so that the icon keeps its proportions and its place in the box
// (FitToRect would stretch each reading to its own bounds and hide where a reading went
// astray). A canvas point is the centre of a pixel, so the path goes half a pixel up and
// left to cover the same pixels as the box.
void PlaceIcon(TKwPathData& Path, const TGalleryIcon& Icon, int Size) {
    Path.Translate(-Icon.ViewBox.Left, -Icon.ViewBox.Top);
    Path.Scale(float(Size) / Icon.ViewBox.Width, float(Size) / Icon.ViewBox.Height);
    Path.Translate(-0.5f, -0.5f);
    Path.SetFillMode(Icon.EvenOdd ? fmEvenOdd : fmNonZero);
}

// Fills all figures of Path as one area under its fill rule, anti-aliased and without an
// outline, on a bitmap of the area's size that is then copied into the area: a reading
// that strays outside its view box is cut at the cell instead of painting its neighbours.
void DrawIconPath(TCanvas& C, const TRect& A, const TKwPathData& Path, TColor Color) {
    TBitmap cell(A.Right - A.Left, A.Bottom - A.Top);
    platform::TCairoCanvas& raster = cell.Canvas();
    raster.SetAntialias(true);
    raster.Pen().SetStyle(platform::psClear);
    raster.Brush().SetStyle(platform::bsSolid);
    raster.Brush().SetColor(Color);
    FillPathArea(raster, Path);
    C.Draw(A.Left, A.Top, cell);
}

// "set/" on one line and the name on the next: the label wrapper breaks only at spaces and
// hyphens, and set plus name are often wider than a cell.
std::string IconLabel(const TGalleryIcon& Icon) {
    return std::string(Icon.Set) + "/\r\n" + std::string(Icon.Name) +
           (Icon.EvenOdd ? ", evenodd" : ", nonzero");
}

// The icon read by the SVG grammar. The embedded icons are valid path data, so a reading
// error is the reader's fault: the gallery fails rather than show a half-read icon.
void DrawSvgIcon(TCanvas& C, const TRect& A, const TGalleryIcon& Icon) {
    TKwPathData path;
    const TKwSvgPathResult read = path.SetSvgPathString(Icon.Data);
    if (!read.Ok)
        throw std::runtime_error("icon " + std::string(Icon.Set) + "/" + std::string(Icon.Name) +
                                 ": read error at " + std::to_string(read.Position) + ": " +
                                 read.Message);
    PlaceIcon(path, Icon, A.Right - A.Left);
    DrawIconPath(C, A, path, 0x303030);
}

} // namespace

TGalleryPage SvgIconsPage() {
    constexpr int kIconSize = 96;
    TGalleryPage page("svg_icons.png",
                      "SVG icons: SetSvgPathString, Translate and Scale from the view box, "
                      "FillPathArea anti-aliased",
                      8, kIconSize, kIconSize, 5);
    const std::span<const TGalleryIcon> icons = GalleryIcons();
    for (const TGalleryIcon& icon : icons)
        page.Add([&icon](TCanvas& C, const TRect& A) {
            DrawSvgIcon(C, A, icon);
            return IconLabel(icon);
        });
    // The last row: icons whose compact text the two readers take apart differently, each
    // first as the lenient compatible reader sees it (in red), then as the SVG reader does.
    static const std::string_view compared[][2] = {{"bootstrap", "cursor-fill"},
                                                   {"bootstrap", "pie-chart-fill"},
                                                   {"octicons", "person-fill-16"},
                                                   {"heroicons", "moon"}};
    for (const auto& [set, name] : compared) {
        const auto found = std::find_if(icons.begin(), icons.end(), [&](const TGalleryIcon& I) {
            return I.Set == set && I.Name == name;
        });
        if (found == icons.end())
            throw std::logic_error("no embedded icon " + std::string(set) + "/" +
                                   std::string(name));
        const TGalleryIcon& icon = *found;
        page.Add([&icon](TCanvas& C, const TRect& A) {
            TKwPathData path;
            path.SetPathString(icon.Data);
            PlaceIcon(path, icon, A.Right - A.Left);
            DrawIconPath(C, A, path, 0x2020B0);
            return "compatible reader\r\n(SetPathString):\r\n" + IconLabel(icon);
        });
        page.Add([&icon](TCanvas& C, const TRect& A) {
            DrawSvgIcon(C, A, icon);
            return "SVG reader\r\n(SetSvgPathString):\r\n" + IconLabel(icon);
        });
    }
    return page;
}

} // namespace kwtool::gallery
