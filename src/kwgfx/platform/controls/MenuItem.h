// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Menu items: a caption, visibility, a click handler and child items that the item owns.
/// The caption "-" makes an item a separator line.

#include "kwgfx/platform/base/Object.h"

#include <memory>
#include <string>
#include <vector>

namespace kw::platform {

/// A menu item; see the file's description.
class TMenuItem : public TObject {
public:
    TMenuItem() = default;
    /// An item with the caption.
    explicit TMenuItem(std::string Caption) : Caption(std::move(Caption)) {}
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    std::string Caption;  ///< The text shown; "-" makes a separator line.
    bool Visible = true;  ///< Whether the item is shown.
    TNotifyEvent OnClick; ///< Called by Click.

    /// True for a separator line (caption "-").
    bool IsLine() const { return Caption == "-"; }

    /// Appends Item as the last child and takes ownership; returns it.
    TMenuItem* Add(std::unique_ptr<TMenuItem> Item);
    /// Deletes every child.
    void Clear() { FItems.clear(); }
    /// The number of children.
    int Count() const { return int(FItems.size()); }
    /// Child Index; nullptr outside 0..Count()-1.
    TMenuItem* Items(int Index) const;
    /// The item this one is a child of, or null.
    TMenuItem* Parent() const { return FParent; }
    /// Position among the parent's children; -1 for an item without parent.
    int MenuIndex() const;

    /// Fires OnClick with this item as sender, as choosing the item in a menu does.
    void Click();

private:
    TMenuItem* FParent = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

} // namespace kw::platform
