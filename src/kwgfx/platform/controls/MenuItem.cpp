// SPDX-License-Identifier: MIT
#include "kwgfx/platform/controls/MenuItem.h"

namespace kw::platform {

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> Item) {
    if (!Item) return nullptr;
    Item->FParent = this;
    FItems.push_back(std::move(Item));
    return FItems.back().get();
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count()) return nullptr;
    return FItems[size_t(Index)].get();
}

int TMenuItem::MenuIndex() const {
    if (!FParent) return -1;
    for (int i = 0; i < FParent->Count(); ++i)
        if (FParent->FItems[size_t(i)].get() == this) return i;
    return -1;
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

} // namespace kw::platform
