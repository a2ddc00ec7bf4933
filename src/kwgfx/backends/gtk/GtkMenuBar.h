// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A menu-item tree shown as a GTK menu bar: each visible child of Root with something to
/// open is a top-level menu, its children the entries (separator lines start a new section),
/// and choosing an entry calls its TMenuItem::Click. An item opens a submenu exactly when
/// one of its children is visible and not a separator line (the rule of IsSubmenuVisible);
/// hidden items are left out, and an item whose children are all hidden or lines is a plain
/// entry. The items must outlive the bar.

typedef struct _GtkWidget GtkWidget;

namespace kw::platform {
class TMenuItem;
}

namespace kw::platform::gtk {

/// A GtkPopoverMenuBar over a GMenu built from Root's children; the actions live on the
/// bar ("kwmenu.item<N>", numbered in the order of the tree), so the bar works in whatever
/// window it is put.
GtkWidget* NewMenuBar(TMenuItem& Root);

/// Builds the bar's menu again from its items, after a change of their captions,
/// visibility or children.
void RefreshMenuBar(GtkWidget* Bar);

/// How the menu of a bar shows an item.
enum class TMenuBarShows {
    Nothing, ///< Not an entry: hidden, under a hidden item, a separator line, not the bar's.
    Entry,   ///< A plain entry that opens nothing.
    Submenu, ///< An entry that opens a submenu.
};

/// How Bar shows Item, read from the menu model the bar displays (not from the items).
TMenuBarShows MenuBarShows(GtkWidget* Bar, const TMenuItem& Item);

} // namespace kw::platform::gtk
