#pragma once
// One picture of the gallery: a title above a grid of cells. Each cell draws in its own
// area and returns the label of the call it made, built from the very values it passed;
// the page prints that label under the area.

#include <kwgfx/platform/graphics/Canvas.h>
#include <kwgfx/platform/graphics/Types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kwtool::gallery {

// Draws in Area and returns the label: the routine and the arguments it was called with.
using TDrawCell =
    std::function<std::string(kw::platform::TCanvas&, const kw::platform::TRect& Area)>;

class TGalleryPage {
public:
    TGalleryPage(std::string FileName, std::string Title, int Columns, int AreaWidth,
                 int AreaHeight, int LabelLines = 4)
        : FFileName(std::move(FileName)), FTitle(std::move(Title)), FColumns(Columns),
          FAreaWidth(AreaWidth), FAreaHeight(AreaHeight), FLabelLines(LabelLines) {}

    const std::string& FileName() const { return FFileName; }
    const std::string& Title() const { return FTitle; }
    void Add(TDrawCell Draw) { FCells.push_back(std::move(Draw)); }

    // Draws every cell and writes the picture as Folder/FileName.
    void Save(const std::filesystem::path& Folder) const;

    // The canvas state every cell starts from: black 1-pixel pen, white solid brush,
    // the default font at 12 pixels.
    static void ResetState(kw::platform::TCanvas& C);

private:
    static constexpr int kPad = 16;
    static constexpr int kLineHeight = 14;
    static constexpr int kTitleHeight = 38;

    static void DrawAreaFrame(kw::platform::TCanvas& C, const kw::platform::TRect& Area);
    void DrawLabel(kw::platform::TCanvas& C, std::string_view Label, int X, int Y, int Width) const;

    std::string FFileName;
    std::string FTitle;
    int FColumns;
    int FAreaWidth;
    int FAreaHeight;
    int FLabelLines;
    std::vector<TDrawCell> FCells;
};

} // namespace kwtool::gallery
