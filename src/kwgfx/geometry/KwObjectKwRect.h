// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwObjectKwRect: the observable float rectangle that publishes its four edges.

#include "kwgfx/geometry/KwCustomKwRect.h"

namespace kw {

/// The observable float rectangle that publishes its four edges Left, Top, Right and
/// Bottom, singles always written.
class TKwObjectKwRect : public TKwPublishedRect<TKwCustomKwRect, TKwCustomKwRect::kBottom> {};

} // namespace kw
