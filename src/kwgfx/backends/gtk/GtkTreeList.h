// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A tree view's nodes shown in a GtkListView over a GtkTreeListModel: each row has an
/// expander, rows expand and collapse, one row can be selected. A change of the nodes
/// (TTreeNodes::OnChange, after an update bracket closes) rebuilds the view from them and
/// keeps what the user sees: the rows of nodes that were expanded stay expanded, and the
/// selected node stays selected, wherever the change moved them; deleted nodes simply go.
/// The tree must outlive the view, and the view takes over the nodes' OnChange.

#include <string>

typedef struct _GtkWidget GtkWidget;

namespace kw::platform {
class TCustomTreeView;
class TTreeNode;
} // namespace kw::platform

namespace kw::platform::gtk {

/// A new view of Tree's nodes; see the file's description.
GtkWidget* NewTreeList(TCustomTreeView& Tree);
/// Expands Node's ancestors, selects its row and scrolls to it; false when the node is not
/// in the view.
bool SelectTreeNode(GtkWidget* List, const TTreeNode* Node);
/// The node of the selected row; null when none is selected.
TTreeNode* SelectedTreeNode(GtkWidget* List);
/// The texts of the rows as shown, top to bottom, each indented two spaces per level.
std::string ShownTreeRows(GtkWidget* List);

} // namespace kw::platform::gtk
