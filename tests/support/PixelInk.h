// SPDX-License-Identifier: MIT
#pragma once
// Where the pixels of a bitmap that match a test lie: how many, and their bounding box.

#include "kwgfx/backends/cairo/Bitmap.h"

#include <algorithm>
#include <type_traits>

namespace kwtest {

// How many pixels matched, and their bounding box (Right/Bottom inclusive).
struct TInk {
    int Count = 0;
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
};

// Matches takes a pixel as TRGBA (with its alpha) or as TColor (opaque colour).
template <typename Predicate>
TInk InkWhere(const kw::platform::TBitmap& B, Predicate Matches) {
    TInk ink;
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x) {
            bool hit;
            if constexpr (std::is_invocable_v<Predicate, kw::platform::TRGBA>)
                hit = Matches(B.GetPixelRGBA(x, y));
            else
                hit = Matches(B.GetPixel(x, y));
            if (!hit) continue;
            ++ink.Count;
            ink.Left = std::min(ink.Left, x);
            ink.Top = std::min(ink.Top, y);
            ink.Right = std::max(ink.Right, x);
            ink.Bottom = std::max(ink.Bottom, y);
        }
    return ink;
}

// Where pixels of exactly colour C are.
inline TInk InkOf(const kw::platform::TBitmap& B, kw::platform::TColor C) {
    return InkWhere(B, [C](kw::platform::TColor P) { return P == C; });
}

} // namespace kwtest
