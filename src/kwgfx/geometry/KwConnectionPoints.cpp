// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwConnectionPoints.h"

namespace kw {

namespace {

template <typename Point, typename Coord>
Point PointOnOutline(Coord Left, Coord Top, Coord Right, Coord Bottom, Coord MidX, Coord MidY,
                     TConnectionPoint Which) {
    switch (Which) {
    case cpTop: return {MidX, Top};
    case cpTopRight: return {Right, Top};
    case cpRight: return {Right, MidY};
    case cpBottomRight: return {Right, Bottom};
    case cpBottom: return {MidX, Bottom};
    case cpBottomLeft: return {Left, Bottom};
    case cpLeft: return {Left, MidY};
    case cpTopLeft: return {Left, Top};
    }
    return {Left, Top};
}

} // namespace

TPoint GetPointOnRect(const TRect& R, TConnectionPoint Point) {
    // In 64 bits the difference cannot overflow, and the middle lies between the edges.
    const auto midX = static_cast<int32_t>(R.Left + (int64_t{R.Right} - R.Left) / 2);
    const auto midY = static_cast<int32_t>(R.Top + (int64_t{R.Bottom} - R.Top) / 2);
    return PointOnOutline<TPoint, int32_t>(R.Left, R.Top, R.Right, R.Bottom, midX, midY, Point);
}

TPoint GetCanvasPointOnRect(const TRect& R, TConnectionPoint Point) {
    return GetPointOnRect(R, Point);
}

TKwPoint GetKwPointOnKwRect(const TKwRect& R, TConnectionPoint Point) {
    const auto midX = static_cast<float>(R.Left + (double{R.Right} - R.Left) / 2);
    const auto midY = static_cast<float>(R.Top + (double{R.Bottom} - R.Top) / 2);
    return PointOnOutline<TKwPoint, float>(R.Left, R.Top, R.Right, R.Bottom, midX, midY, Point);
}

} // namespace kw
