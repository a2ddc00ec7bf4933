// SPDX-License-Identifier: MIT
#include "kwgfx/ui/KwMenuHelpers.h"

#include <memory>
#include <string>

namespace kw {

bool IsSubmenuVisible(const TMenuItem* MenuItem) {
    if (!MenuItem) return false;
    for (int i = 0; i < MenuItem->Count(); ++i) {
        const TMenuItem* child = MenuItem->Items(i);
        if (!child->IsLine() && child->Visible) return true;
    }
    return false;
}

void CreateMenuItemChildren(TMenuItem* Parent, const TStrings& Strings, const TNotifyEvent& OnClick,
                            bool Numbered) {
    if (!Parent) return;
    const int count = Strings.Count();
    for (int i = 0; i < count; ++i) {
        auto item = std::make_unique<TMenuItem>();
        item->Caption =
            Numbered ? std::to_string(i) + " " + Strings.Strings(i) : Strings.Strings(i);
        item->OnClick = OnClick;
        Parent->Add(std::move(item));
    }
}

} // namespace kw
