#pragma once
/// \file
/// A menu-item tree shown as a GTK menu bar: each visible child of Root is a top-level
/// menu, its children the entries (separator lines start a new section), and choosing an
/// entry calls its TMenuItem::Click. The items must outlive the bar.

typedef struct _GtkWidget GtkWidget;

namespace kw::platform {
class TMenuItem;
}

namespace kw::platform::gtk {

/// A GtkPopoverMenuBar over a GMenu built from Root's children; the actions live on the
/// bar ("kwmenu.item<N>"), so the bar works in whatever window it is put.
GtkWidget* NewMenuBar(TMenuItem& Root);

} // namespace kw::platform::gtk
