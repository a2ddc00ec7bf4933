#pragma once
/// \file
/// TKwObjectRect: the observable integer rectangle that publishes its four edges.

#include "kwgfx/geometry/KwCustomRect.h"

namespace kw {

/// The observable integer rectangle that publishes its four edges.
class TKwObjectRect : public TKwCustomRect {
public:
    /// Left, Top, Right, Bottom: integers, not written when 0.
    platform::TPublishedProperties GetPublishedProperties() override {
        auto props = TKwCustomRect::GetPublishedProperties();
        props.push_back(SizeProperty("Left", kLeft));
        props.push_back(SizeProperty("Top", kTop));
        props.push_back(SizeProperty("Right", kRight));
        props.push_back(SizeProperty("Bottom", kBottom));
        return props;
    }
};

} // namespace kw
