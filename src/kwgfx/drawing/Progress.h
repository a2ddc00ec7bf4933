// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Step-wise progress indicators: shapes placed on a circle (ProgressCircle),
/// pie slices (ProgressPie) and shapes in a row or column (ProgressRect). Each
/// divides the range Min..Max into Steps elements, draws one element per
/// completed step and colours the elements along the palette (IndexToColor):
/// element j is drawn in the colour of index j - 1, the first in Colors[0]. With
/// PenToo the pen colour follows the brush colour. An empty palette or Steps
/// below 1 draws nothing; the pen and brush are restored.

#include "kwgfx/drawing/ShapeTypes.h"
#include "kwgfx/geometry/KwTypes.h"
#include "kwgfx/platform/graphics/Canvas.h"

#include <cstdint>
#include <span>

namespace kw {

/// Which end the elements are completed from: pdBackward runs the other way round (see each
/// routine).
enum TProgressDirection : uint8_t { pdForward, pdBackward };
/// dtAllProgress draws every completed element, dtCurrentProgress only the last
/// one.
enum TProgressDisplayType : uint8_t { dtAllProgress, dtCurrentProgress };
/// Whether ProgressRect places its elements in a row or a column.
enum TProgressOrientation : uint8_t { poHorizontal, poVertical };

/// The number of completed elements: Steps when Max = Min or Position = Max,
/// otherwise the whole steps of Position - Min, at most Steps and at least 0.
int32_t ProgressElementCount(int32_t Position, int32_t Min, int32_t Max, int32_t Steps);

/// Elements of about a Steps-th of the circumference each (less Spacing), placed
/// counter-clockwise (clockwise for pdBackward) on the ellipse inside Rect less
/// Margin, starting one step past 0 degrees; each drawn with the shape-type
/// DrawShape.
///
/// \gallery{progress.png}
void ProgressCircle(platform::TCanvas& Canvas, const TRect& Rect, int32_t Margin, int32_t Position,
                    int32_t Min, int32_t Max, std::span<const TColor> Colors, bool PenToo,
                    int32_t Steps, TKwShapeType ShapeType, TKwShapeOrientation ShapeOrientation,
                    bool Is3D, int32_t Depth, int32_t Spacing, TProgressDirection Direction,
                    TProgressDisplayType DisplayType);

/// Pie slices of 360 / Steps degrees less GapAngle each, the first starting at 0
/// degrees and going counter-clockwise (pdBackward walks the other way). Margin
/// is not used.
///
/// \gallery{progress.png}
void ProgressPie(platform::TCanvas& Canvas, const TRect& Rect, int32_t Margin, int32_t Position,
                 int32_t Min, int32_t Max, std::span<const TColor> Colors, bool PenToo,
                 int32_t Steps, int32_t GapAngle, TProgressDirection Direction,
                 TProgressDisplayType DisplayType);

/// Elements side by side from the left (poHorizontal) or the top (poVertical),
/// from the right or the bottom for pdBackward, Spacing pixels apart inside Rect
/// less Margin; each drawn with the shape-type DrawShape.
///
/// \gallery{progress.png}
void ProgressRect(platform::TCanvas& Canvas, const TRect& Rect, int32_t Margin, int32_t Position,
                  int32_t Min, int32_t Max, std::span<const TColor> Colors, bool PenToo,
                  int32_t Steps, TKwShapeType ShapeType, TKwShapeOrientation ShapeOrientation,
                  bool Is3D, int32_t Depth, int32_t Spacing, TProgressOrientation Orientation,
                  TProgressDirection Direction, TProgressDisplayType DisplayType);

} // namespace kw
