// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Menu helpers: whether a submenu has anything to show, and filling a menu item with one
/// child per line of a string list.

#include "kwgfx/platform/controls/MenuItem.h"
#include "kwgfx/platform/text/Strings.h"

namespace kw {

using platform::TMenuItem;
using platform::TNotifyEvent;
using platform::TStringList;
using platform::TStrings;

/// True when at least one child of MenuItem is visible and not a separator line; false for
/// an item without children and for nullptr.
bool IsSubmenuVisible(const TMenuItem* MenuItem);

/// Adds one child to Parent per line of Strings, in order, each with OnClick as its click
/// handler. With Numbered the captions are "0 <line 0>", "1 <line 1>", ...; otherwise the
/// lines themselves. Nothing happens when Parent is nullptr.
void CreateMenuItemChildren(TMenuItem* Parent, const TStrings& Strings, const TNotifyEvent& OnClick,
                            bool Numbered);

} // namespace kw
