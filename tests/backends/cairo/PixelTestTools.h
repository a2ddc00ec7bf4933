#pragma once
// Small helpers of the pixel tests: colour channels, channel-wise closeness, and where the
// pixels that match a test lie on a bitmap.

#include "kwgfx/backends/cairo/Bitmap.h"

#include <algorithm>
#include <cstdlib>

namespace kwtest {

using kw::platform::TBitmap;
using kw::platform::TColor;

// Channel K of a colour: 0 red, 1 green, 2 blue.
inline int Channel(TColor C, int K) {
    return (C >> (8 * K)) & 0xFF;
}

// Channel-wise closeness, for colours that went through blends or running channels.
inline bool Near(TColor A, TColor B, int Tolerance) {
    for (int k = 0; k < 3; ++k)
        if (std::abs(Channel(A, k) - Channel(B, k)) > Tolerance) return false;
    return true;
}

// How many pixels matched, and their bounding box (Right/Bottom inclusive).
struct TInk {
    int Count = 0;
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
};

template <typename Predicate>
TInk InkWhere(const TBitmap& B, Predicate Matches) {
    TInk ink;
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x)
            if (Matches(B.GetPixel(x, y))) {
                ++ink.Count;
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x);
                ink.Bottom = std::max(ink.Bottom, y);
            }
    return ink;
}

// Where pixels of exactly colour C are.
inline TInk InkOf(const TBitmap& B, TColor C) {
    return InkWhere(B, [C](TColor P) { return P == C; });
}

} // namespace kwtest
