// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwCustomRect: an observable integer rectangle for components to embed. Every change
/// ends in one OnChange; an operation that finds nothing to change notifies nobody. Edge
/// arithmetic wraps around in 32 bits. Descendants choose which edges they publish
/// (TKwObjectRect, TObjectSize). The members are TKwObservableRect's (KwObservableRect.h).

#include "kwgfx/geometry/KwObservableRect.h"

namespace kw {

/// An observable integer rectangle for components to embed; see the file's description.
class TKwCustomRect : public TKwObservableRect<TRect> {};

} // namespace kw
