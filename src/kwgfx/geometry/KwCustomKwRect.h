// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TKwCustomKwRect: an observable float rectangle for components to embed; the float twin
/// of TKwCustomRect. Every equality test is exact; every change ends in one OnChange. The
/// members are TKwObservableRect's (KwObservableRect.h).

#include "kwgfx/geometry/KwObservableRect.h"

namespace kw {

/// An observable float rectangle for components to embed; see the file's description.
class TKwCustomKwRect : public TKwObservableRect<TKwRect> {};

} // namespace kw
