#pragma once
/// \file
/// TKwObjectKwRect: the observable float rectangle that publishes its four edges.

#include "kwgfx/geometry/KwCustomKwRect.h"

namespace kw {

/// The observable float rectangle that publishes its four edges.
class TKwObjectKwRect : public TKwCustomKwRect {
public:
    /// Left, Top, Right, Bottom: singles, always written.
    platform::TPublishedProperties GetPublishedProperties() override {
        auto props = TKwCustomKwRect::GetPublishedProperties();
        props.push_back(SizeProperty("Left", kLeft));
        props.push_back(SizeProperty("Top", kTop));
        props.push_back(SizeProperty("Right", kRight));
        props.push_back(SizeProperty("Bottom", kBottom));
        return props;
    }
};

} // namespace kw
