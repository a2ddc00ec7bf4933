// SPDX-License-Identifier: MIT
#include "kwgfx/geometry/KwRectOps.h"

#include "kwgfx/geometry/KwConversions.h"
#include "kwgfx/platform/base/Math.h"

#include <utility>

namespace kw {

using detail::Wrap32;
using platform::RoundToPixel;

bool EqualsRect(const TKwRect& A, const TKwRect& B) {
    return platform::SameValue(A.Left, B.Left) && platform::SameValue(A.Top, B.Top) &&
           platform::SameValue(A.Right, B.Right) && platform::SameValue(A.Bottom, B.Bottom);
}

int32_t KwRectWidth(const TRect& R) {
    return Wrap32(int64_t{R.Right} - R.Left);
}

float KwRectWidth(const TKwRect& R) {
    return R.Right - R.Left;
}

int32_t KwRectHeight(const TRect& R) {
    return Wrap32(int64_t{R.Bottom} - R.Top);
}

float KwRectHeight(const TKwRect& R) {
    return R.Bottom - R.Top;
}

bool PtInKwRect(const TPoint& P, const TKwRect& R) {
    const double x = P.X, y = P.Y;
    return x >= R.Left && x < R.Right && y >= R.Top && y < R.Bottom;
}

bool PtInKwRect(const TKwPoint& P, const TKwRect& R) {
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

TRect KwRectToRect(const TKwRect& R) {
    return CanvasRect(R);
}

TRect FixRect(const TRect& R) {
    TRect r = R;
    if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    if (r.Right < r.Left) std::swap(r.Left, r.Right);
    return r;
}

TKwRect FixRect(const TKwRect& R) {
    TKwRect r = R;
    if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    if (r.Right < r.Left) std::swap(r.Left, r.Right);
    return r;
}

bool OffsetKwRect(TKwRect* R, float DX, float DY) {
    if (!R) return false;
    R->Left += DX;
    R->Right += DX;
    R->Top += DY;
    R->Bottom += DY;
    return true;
}

bool OffsetKwRect(TKwRect& R, float DX, float DY) {
    return OffsetKwRect(&R, DX, DY);
}

void KwInflateRect(TKwRect& R, float DX, float DY) {
    R.Left -= DX;
    R.Right += DX;
    R.Top -= DY;
    R.Bottom += DY;
}

TRect ScaleRect(const TRect& R, float DX, float DY) {
    const int64_t hx = RoundToPixel(double{DX} / 2);
    const int64_t hy = RoundToPixel(double{DY} / 2);
    return {Wrap32(R.Left - hx), Wrap32(R.Top - hy), Wrap32(R.Right + hx), Wrap32(R.Bottom + hy)};
}

TKwRect ScaleRect(const TKwRect& R, float DX, float DY) {
    const float hx = DX / 2;
    const float hy = DY / 2;
    return {R.Left - hx, R.Top - hy, R.Right + hx, R.Bottom + hy};
}

} // namespace kw
