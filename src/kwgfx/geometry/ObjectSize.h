#pragma once
/// \file
/// TObjectSize: the observable integer rectangle that publishes its edges and its size.

#include "kwgfx/geometry/KwCustomRect.h"

namespace kw {

/// The observable integer rectangle that publishes its edges and its size.
class TObjectSize : public TKwCustomRect {
public:
    /// Left, Top, Right, Bottom, Height, Width: integers, not written when 0. Read in this
    /// order, Height and Width agree with the edges read before them and change nothing.
    platform::TPublishedProperties GetPublishedProperties() override {
        auto props = TKwCustomRect::GetPublishedProperties();
        props.push_back(SizeProperty("Left", kLeft));
        props.push_back(SizeProperty("Top", kTop));
        props.push_back(SizeProperty("Right", kRight));
        props.push_back(SizeProperty("Bottom", kBottom));
        props.push_back(SizeProperty("Height", kHeight));
        props.push_back(SizeProperty("Width", kWidth));
        return props;
    }
};

} // namespace kw
