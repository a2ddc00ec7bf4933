// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwObjectRect: the observable integer rectangle that publishes its four edges.

#include "kwgfx/geometry/KwCustomRect.h"

namespace kw {

/// The observable integer rectangle that publishes its four edges Left, Top, Right and
/// Bottom, integers not written when 0.
class TKwObjectRect : public TKwPublishedRect<TKwCustomRect, TKwCustomRect::kBottom> {};

} // namespace kw
