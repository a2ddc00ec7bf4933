// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwRectFit.h"

#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/geometry/KwMatrix.h"
#include "kwgfx/geometry/KwRectOps.h"
#include "kwgfx/platform/base/Exceptions.h"

#include <algorithm>
#include <cmath>

namespace kw {

using detail::Wrap32;
using platform::CheckedDivide;
using platform::RoundToPixel;

TRect CenterRect(const TPoint& P, int32_t W, int32_t H) {
    const int64_t hw = W / 2, hh = H / 2;
    return {Wrap32(P.X - hw), Wrap32(P.Y - hh), Wrap32(P.X + hw), Wrap32(P.Y + hh)};
}

TRect CenterRect(int32_t X, int32_t Y, int32_t W, int32_t H) {
    return CenterRect(TPoint(X, Y), W, H);
}

TKwRect CenterRect(const TKwPoint& P, float W, float H) {
    const float hw = W / 2, hh = H / 2;
    return {P.X - hw, P.Y - hh, P.X + hw, P.Y + hh};
}

TKwRect CenterRect(float X, float Y, float W, float H) {
    return CenterRect(TKwPoint(X, Y), W, H);
}

TKwRect CenterRect(TKwRect& R, const TKwRect& Bounds) {
    const TKwRect bounds = Bounds;
    OffsetKwRect(R, -R.Left, -R.Top);
    const long double dx =
        std::nearbyint((static_cast<long double>(KwRectWidth(bounds)) - KwRectWidth(R)) / 2);
    const long double dy =
        std::nearbyint((static_cast<long double>(KwRectHeight(bounds)) - KwRectHeight(R)) / 2);
    OffsetKwRect(R, static_cast<float>(dx), static_cast<float>(dy));
    OffsetKwRect(R, bounds.Left, bounds.Top);
    return R;
}

TRect CenterRect(TRect& R, const TRect& Bounds) {
    TKwRect r = RectToKwRect(R);
    CenterRect(r, RectToKwRect(Bounds));
    R = KwRectToRect(r);
    return R;
}

float FitRect(TKwRect& R, const TKwRect& Bounds, bool Stretch) {
    const TKwRect bounds = Bounds;
    const float bw = KwRectWidth(bounds), bh = KwRectHeight(bounds);
    // In double the product of two non-zero floats is never 0.
    if (double{bw} * bh == 0) return 1.0f;
    const float rw = KwRectWidth(R), rh = KwRectHeight(R);
    const double heightRatio = double{rh} / bh, widthRatio = double{rw} / bw;
    const float scale = static_cast<float>(heightRatio >= widthRatio ? heightRatio : widthRatio);
    if (scale >= 1 || Stretch)
        R = {0, 0, static_cast<float>(CheckedDivide(double{rw}, double{scale})),
             static_cast<float>(CheckedDivide(double{rh}, double{scale}))};
    else
        R = {0, 0, rw, rh};
    CenterRect(R, bounds);
    return scale;
}

float FitRect(TRect& R, const TRect& Bounds, bool Stretch) {
    const TRect bounds = Bounds;
    const int32_t bw = KwRectWidth(bounds), bh = KwRectHeight(bounds);
    if (int64_t{bw} * bh == 0) return 1.0f;
    const int32_t rw = KwRectWidth(R), rh = KwRectHeight(R);
    const long double heightRatio = static_cast<long double>(rh) / bh;
    const long double widthRatio = static_cast<long double>(rw) / bw;
    const float scale = static_cast<float>(heightRatio >= widthRatio ? heightRatio : widthRatio);
    if (scale >= 1 || Stretch)
        R = {0, 0,
             RoundToPixel(
                 CheckedDivide(static_cast<long double>(rw), static_cast<long double>(scale))),
             RoundToPixel(
                 CheckedDivide(static_cast<long double>(rh), static_cast<long double>(scale)))};
    else
        R = {0, 0, rw, rh};
    CenterRect(R, bounds);
    return scale;
}

float TKwRect::Fit(const TKwRect& Bounds) {
    const TKwRect bounds = Bounds;
    return FitRect(*this, bounds, false);
}

TKwRect FitRect(const TKwMatrix& M, const TKwRect& R, const TKwRect& Bounds) {
    const TKwMatrix m1 = KwMatrixMultiply(CreateTranslateKwMatrix(Bounds.Left, Bounds.Top), M);
    const auto sx =
        static_cast<float>(CheckedDivide(double{KwRectWidth(Bounds)}, double{KwRectWidth(R)}));
    const auto sy =
        static_cast<float>(CheckedDivide(double{KwRectHeight(Bounds)}, double{KwRectHeight(R)}));
    const TKwMatrix m2 = KwMatrixMultiply(CreateScaleKwMatrix(sx, sy), m1);
    return KwMatrixTransform(m2, R);
}

TKwMatrix KwFitMatrix(const TKwRect& Bounds, const TKwRect& Into) {
    const double left = std::min(Into.Left, Into.Right), right = std::max(Into.Left, Into.Right);
    const double top = std::min(Into.Top, Into.Bottom), bottom = std::max(Into.Top, Into.Bottom);
    const double bw = double(Bounds.Right) - Bounds.Left;
    const double bh = double(Bounds.Bottom) - Bounds.Top;
    const double iw = right - left, ih = bottom - top;
    double scale = 1;
    if (bw > 0 && bh > 0)
        scale = std::min(iw / bw, ih / bh);
    else if (bw > 0)
        scale = iw / bw;
    else if (bh > 0)
        scale = ih / bh;
    // The centre of the scaled bounds goes to the centre of Into.
    const double dx = (left + right) / 2 - (double(Bounds.Left) + Bounds.Right) / 2 * scale;
    const double dy = (top + bottom) / 2 - (double(Bounds.Top) + Bounds.Bottom) / 2 * scale;
    return KwMatrixMultiply(CreateScaleKwMatrix(float(scale), float(scale)),
                            CreateTranslateKwMatrix(float(dx), float(dy)));
}

} // namespace kw
