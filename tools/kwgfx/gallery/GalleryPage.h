// SPDX-License-Identifier: MIT
#pragma once
// One picture of the gallery: a title above a grid of cells. Each cell draws in its own
// area and returns the label of the call it made, built from the very values it passed;
// the page prints that label under the area.

#include <kwgfx/platform/graphics/Canvas.h>
#include <kwgfx/platform/graphics/Types.h>

#include <algorithm>
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

    int Width() const { return Columns() * CellWidth(); }
    int Height() const { return kTitleHeight + Rows() * CellHeight(); }

    // Draws the page on C, which is Width() x Height() pixels; without Labels, the title
    // and the labels under the cells are left out.
    void Draw(kw::platform::TCanvas& C, bool Labels) const;

    // The canvas state every cell starts from: black 1-pixel pen, white solid brush,
    // the default font at 12 pixels.
    static void ResetState(kw::platform::TCanvas& C);

private:
    static constexpr int kPad = 16;
    static constexpr int kLineHeight = 14;
    static constexpr int kTitleHeight = 38;

    int Columns() const { return std::min(FColumns, std::max(static_cast<int>(FCells.size()), 1)); }
    int Rows() const { return (static_cast<int>(FCells.size()) + FColumns - 1) / FColumns; }
    int CellWidth() const { return FAreaWidth + 2 * kPad; }
    int CellHeight() const { return FAreaHeight + kPad + 10 + FLabelLines * kLineHeight; }

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
