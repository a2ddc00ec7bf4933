#pragma once
/// \file
/// Menu items: a caption, visibility, a click handler and child items that the item owns.
/// The caption "-" makes an item a separator line.

#include "kwgfx/platform/base/Object.h"

#include <memory>
#include <string>
#include <vector>

namespace kw::platform {

class TMenuItem : public TObject {
public:
    TMenuItem() = default;
    explicit TMenuItem(std::string Caption) : Caption(std::move(Caption)) {}
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    std::string Caption;
    bool Visible = true;
    TNotifyEvent OnClick;

    /// True for a separator line (caption "-").
    bool IsLine() const { return Caption == "-"; }

    /// Appends Item as the last child and takes ownership; returns it.
    TMenuItem* Add(std::unique_ptr<TMenuItem> Item);
    /// Deletes every child.
    void Clear() { FItems.clear(); }
    int Count() const { return int(FItems.size()); }
    /// Child Index; nullptr outside 0..Count()-1.
    TMenuItem* Items(int Index) const;
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
