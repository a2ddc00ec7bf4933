// SPDX-License-Identifier: MIT
// NewTreeList: list stores of node rows, the tree model that expands them, the row
// factory (expander + label), the rebuild that keeps expanded and selected rows, selection
// by node and a text dump of the shown rows.
#include "kwgfx/backends/gtk/GtkTreeList.h"

#include "kwgfx/platform/controls/TreeView.h"

#include <gtk/gtk.h>

#include <unordered_set>
#include <vector>

namespace kw::platform::gtk {

namespace {

constexpr const char* kNodeKey = "kwgfx-node";

TTreeNode* NodeOf(gpointer Item) {
    return static_cast<TTreeNode*>(g_object_get_data(G_OBJECT(Item), kNodeKey));
}

// One GtkStringObject per node, carrying the node.
GListModel* RowsOf(const std::vector<TTreeNode*>& Nodes) {
    GListStore* store = g_list_store_new(GTK_TYPE_STRING_OBJECT);
    for (TTreeNode* node : Nodes) {
        GtkStringObject* row = gtk_string_object_new(node->Text.c_str());
        g_object_set_data(G_OBJECT(row), kNodeKey, node);
        g_list_store_append(store, row);
        g_object_unref(row);
    }
    return G_LIST_MODEL(store);
}

GListModel* ChildRows(gpointer Item, gpointer) {
    TTreeNode* node = NodeOf(Item);
    if (!node || !node->HasChildren()) return nullptr;
    std::vector<TTreeNode*> children;
    for (int i = 0; i < node->Count(); ++i) children.push_back(node->Item(i));
    return RowsOf(children);
}

GtkTreeListModel* TreeModel(TCustomTreeView& Tree) {
    std::vector<TTreeNode*> roots;
    for (int i = 0; i < Tree.Items().RootCount(); ++i) roots.push_back(Tree.Items().Root(i));
    return gtk_tree_list_model_new(RowsOf(roots), FALSE, FALSE, ChildRows, nullptr, nullptr);
}

GtkSingleSelection* SelectionOf(GtkWidget* List) {
    return GTK_SINGLE_SELECTION(gtk_list_view_get_model(GTK_LIST_VIEW(List)));
}

GtkTreeListModel* ModelOf(GtkWidget* List) {
    return GTK_TREE_LIST_MODEL(gtk_single_selection_get_model(SelectionOf(List)));
}

void SetupRow(GtkSignalListItemFactory*, GtkListItem* Item, gpointer) {
    GtkWidget* expander = gtk_tree_expander_new();
    GtkWidget* label = gtk_label_new(nullptr);
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    gtk_tree_expander_set_child(GTK_TREE_EXPANDER(expander), label);
    gtk_list_item_set_child(Item, expander);
}

void BindRow(GtkSignalListItemFactory*, GtkListItem* Item, gpointer) {
    auto* row = GTK_TREE_LIST_ROW(gtk_list_item_get_item(Item));
    GtkWidget* expander = gtk_list_item_get_child(Item);
    gtk_tree_expander_set_list_row(GTK_TREE_EXPANDER(expander), row);
    gpointer item = gtk_tree_list_row_get_item(row);
    gtk_label_set_text(GTK_LABEL(gtk_tree_expander_get_child(GTK_TREE_EXPANDER(expander))),
                       gtk_string_object_get_string(GTK_STRING_OBJECT(item)));
    g_object_unref(item);
}

// The nodes of the expanded rows and of the selected row. The nodes may have been deleted
// by the change that led here: they are compared, never followed.
struct TViewMemory {
    std::unordered_set<const TTreeNode*> Expanded;
    const TTreeNode* Selected = nullptr;
};

TViewMemory Remember(GtkWidget* List) {
    TViewMemory memory;
    GListModel* rows = G_LIST_MODEL(ModelOf(List));
    for (guint i = 0; i < g_list_model_get_n_items(rows); ++i) {
        auto* row = GTK_TREE_LIST_ROW(g_list_model_get_item(rows, i));
        if (gtk_tree_list_row_get_expanded(row)) {
            gpointer item = gtk_tree_list_row_get_item(row);
            memory.Expanded.insert(NodeOf(item));
            g_object_unref(item);
        }
        g_object_unref(row);
    }
    memory.Selected = SelectedTreeNode(List);
    return memory;
}

// Expands the rows of the remembered nodes that are still in the tree, top to bottom (a
// row's children appear below it as it expands, so the walk reaches them), and selects
// the remembered node's row when it is shown.
void Restore(GtkWidget* List, const TViewMemory& Memory) {
    GListModel* rows = G_LIST_MODEL(ModelOf(List));
    guint selected = GTK_INVALID_LIST_POSITION;
    for (guint i = 0; i < g_list_model_get_n_items(rows); ++i) {
        auto* row = GTK_TREE_LIST_ROW(g_list_model_get_item(rows, i));
        gpointer item = gtk_tree_list_row_get_item(row);
        const TTreeNode* node = NodeOf(item);
        g_object_unref(item);
        if (Memory.Expanded.contains(node)) gtk_tree_list_row_set_expanded(row, TRUE);
        if (node == Memory.Selected) selected = i;
        g_object_unref(row);
    }
    gtk_single_selection_set_selected(SelectionOf(List), selected);
}

} // namespace

GtkWidget* NewTreeList(TCustomTreeView& Tree) {
    GtkSingleSelection* selection = gtk_single_selection_new(G_LIST_MODEL(TreeModel(Tree)));
    gtk_single_selection_set_autoselect(selection, FALSE);
    gtk_single_selection_set_can_unselect(selection, TRUE);
    gtk_single_selection_set_selected(selection, GTK_INVALID_LIST_POSITION);
    GtkListItemFactory* factory = gtk_signal_list_item_factory_new();
    g_signal_connect(factory, "setup", G_CALLBACK(SetupRow), nullptr);
    g_signal_connect(factory, "bind", G_CALLBACK(BindRow), nullptr);
    GtkWidget* list = gtk_list_view_new(GTK_SELECTION_MODEL(selection), factory);
    // The nodes' handler goes with the view. A GtkTreeListModel has no way to move or
    // rename one row, so the model is built again and the view state carried over by node.
    Tree.Items().OnChange = [list, &Tree] {
        const TViewMemory memory = Remember(list);
        GtkTreeListModel* model = TreeModel(Tree);
        gtk_single_selection_set_model(SelectionOf(list), G_LIST_MODEL(model));
        g_object_unref(model);
        Restore(list, memory);
    };
    g_object_set_data_full(G_OBJECT(list), "kwgfx-tree", &Tree, [](gpointer Data) {
        static_cast<TCustomTreeView*>(Data)->Items().OnChange = nullptr;
    });
    return list;
}

bool SelectTreeNode(GtkWidget* List, const TTreeNode* Node) {
    if (!Node) return false;
    std::vector<const TTreeNode*> chain;
    for (const TTreeNode* n = Node; n; n = n->Parent()) chain.insert(chain.begin(), n);
    GtkTreeListModel* model = ModelOf(List);
    GtkTreeListRow* row = gtk_tree_list_model_get_child_row(model, chain.front()->Index());
    for (size_t i = 1; row && i < chain.size(); ++i) {
        gtk_tree_list_row_set_expanded(row, TRUE);
        GtkTreeListRow* child = gtk_tree_list_row_get_child_row(row, chain[i]->Index());
        g_object_unref(row);
        row = child;
    }
    if (!row) return false;
    const guint position = gtk_tree_list_row_get_position(row);
    gpointer item = gtk_tree_list_row_get_item(row);
    const bool same = NodeOf(item) == Node;
    g_object_unref(item);
    g_object_unref(row);
    if (!same) return false;
    gtk_single_selection_set_selected(SelectionOf(List), position);
    gtk_widget_activate_action(List, "list.scroll-to-item", "u", position);
    return true;
}

TTreeNode* SelectedTreeNode(GtkWidget* List) {
    gpointer row = gtk_single_selection_get_selected_item(SelectionOf(List));
    if (!row) return nullptr;
    gpointer item = gtk_tree_list_row_get_item(GTK_TREE_LIST_ROW(row));
    TTreeNode* node = NodeOf(item);
    g_object_unref(item);
    return node;
}

std::string ShownTreeRows(GtkWidget* List) {
    GListModel* rows = G_LIST_MODEL(ModelOf(List));
    std::string text;
    for (guint i = 0; i < g_list_model_get_n_items(rows); ++i) {
        auto* row = GTK_TREE_LIST_ROW(g_list_model_get_item(rows, i));
        gpointer item = gtk_tree_list_row_get_item(row);
        text += std::string(2 * gtk_tree_list_row_get_depth(row), ' ') +
                gtk_string_object_get_string(GTK_STRING_OBJECT(item)) + "\n";
        g_object_unref(item);
        g_object_unref(row);
    }
    return text;
}

} // namespace kw::platform::gtk
