// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TObjectSize: the observable integer rectangle that publishes its edges and its size.

#include "kwgfx/geometry/KwCustomRect.h"

namespace kw {

/// The observable integer rectangle that publishes Left, Top, Right, Bottom, Height and
/// Width, integers not written when 0. Read in this order, Height and Width agree with the
/// edges read before them and change nothing.
class TObjectSize : public TKwPublishedRect<TKwCustomRect, TKwCustomRect::kWidth> {};

} // namespace kw
