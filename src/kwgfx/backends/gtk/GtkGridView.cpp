// SPDX-License-Identifier: MIT
// NewGridView: a GtkColumnView over a list store of row objects in the grid's order.
//   - columns: a label factory and a probe sorter per grid column
//   - sorting: which header the view sorts by, found by probing its sorter, then OnSort
//   - refresh and read-back of the cells shown
//
// GTK 4.8's column view sorter has no getter for its primary column and direction, so
// each column's sorter is a custom one that knows its column: asking the view's sorter to
// compare two items calls the primary column's sorter first, and whether the view's answer
// keeps or inverts that sorter's answer gives the direction. The rows are never wrapped in
// a GtkSortListModel: the grid's own sort decides the order.
#include "kwgfx/backends/gtk/GtkGridView.h"

#include "kwgfx/platform/controls/StringGrid.h"

#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

namespace kw::platform::gtk {

namespace {

constexpr const char* kRowKey = "kwgfx-row";
constexpr const char* kCellKey = "kwgfx-cell";
constexpr const char* kListItemKey = "kwgfx-list-item";

struct TGridState;

// What a column's factory and sorter know: the grid and the column.
struct TGridColumn {
    TGridState* State;
    int Column;
};

struct TGridState {
    TStringGrid* Grid;
    TGridSort OnSort;
    GtkColumnView* View = nullptr;
    GListStore* Rows = g_list_store_new(G_TYPE_OBJECT);
    // Two distinct items: a sorter finds an item equal to itself without asking anyone.
    GObject* ProbeItems[2] = {G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr)),
                              G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr))};
    std::vector<std::unique_ptr<TGridColumn>> Columns;
    int ProbedColumn = -1; // set by the first column sorter a probe reaches
    bool Probing = false;
    bool Sorting = false; // guards against the changes the handler makes itself
    int SortedColumn = -1;
    bool Ascending = true;

    TGridState(TStringGrid& Grid, TGridSort OnSort) : Grid(&Grid), OnSort(std::move(OnSort)) {}
    ~TGridState() {
        g_object_unref(Rows);
        for (GObject* item : ProbeItems) g_object_unref(item);
    }
};

TGridState& StateOf(GtkWidget* View) {
    return *static_cast<TGridState*>(g_object_get_data(G_OBJECT(View), "kwgfx-grid"));
}

// ---------------------------------------------------------------- columns

void SetupCell(GtkSignalListItemFactory*, GtkListItem* Item, gpointer Column) {
    GtkWidget* label = gtk_label_new(nullptr);
    gtk_label_set_xalign(GTK_LABEL(label), 0);
    gtk_label_set_max_width_chars(GTK_LABEL(label), 24);
    gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
    g_object_set_data(G_OBJECT(label), kCellKey, Column);
    g_object_set_data(G_OBJECT(label), kListItemKey, Item);
    gtk_list_item_set_child(Item, label);
}

void BindCell(GtkSignalListItemFactory*, GtkListItem* Item, gpointer Data) {
    const auto& column = *static_cast<TGridColumn*>(Data);
    const int row =
        GPOINTER_TO_INT(g_object_get_data(G_OBJECT(gtk_list_item_get_item(Item)), kRowKey));
    const TStringGrid& grid = *column.State->Grid;
    const bool inside = row < grid.RowCount();
    gtk_label_set_text(GTK_LABEL(gtk_list_item_get_child(Item)),
                       inside ? grid.Cells(column.Column, row).c_str() : "");
}

// Orders nothing: it only reports, during a probe, that the view asked this column first.
int ProbeCompare(gconstpointer, gconstpointer, gpointer Data) {
    const auto& column = *static_cast<TGridColumn*>(Data);
    TGridState& state = *column.State;
    if (!state.Probing) return 0;
    if (state.ProbedColumn < 0) state.ProbedColumn = column.Column;
    return -1;
}

std::string TitleOf(const TStringGrid& Grid, int Column) {
    std::string title;
    for (int row = 0; row < Grid.FixedRows(); ++row)
        title += (row ? " " : "") + Grid.Cells(Column, row);
    return title;
}

void AddColumn(TGridState& State, int Column) {
    State.Columns.push_back(std::make_unique<TGridColumn>(TGridColumn{&State, Column}));
    TGridColumn* data = State.Columns.back().get();
    GtkListItemFactory* factory = gtk_signal_list_item_factory_new();
    g_signal_connect(factory, "setup", G_CALLBACK(SetupCell), data);
    g_signal_connect(factory, "bind", G_CALLBACK(BindCell), data);
    GtkColumnViewColumn* column =
        gtk_column_view_column_new(TitleOf(*State.Grid, Column).c_str(), factory);
    GtkCustomSorter* sorter = gtk_custom_sorter_new(ProbeCompare, data, nullptr);
    gtk_column_view_column_set_sorter(column, GTK_SORTER(sorter));
    g_object_unref(sorter);
    gtk_column_view_column_set_resizable(column, TRUE);
    gtk_column_view_append_column(State.View, column);
    g_object_unref(column);
}

// ---------------------------------------------------------------- sorting

// The view's primary sort column and direction; false when it sorts by none.
bool ProbeSortColumn(TGridState& State, int& Column, bool& Ascending) {
    State.Probing = true;
    State.ProbedColumn = -1;
    const GtkOrdering order = gtk_sorter_compare(gtk_column_view_get_sorter(State.View),
                                                 State.ProbeItems[0], State.ProbeItems[1]);
    State.Probing = false;
    if (State.ProbedColumn < 0) return false;
    Column = State.ProbedColumn;
    Ascending = order == GTK_ORDERING_SMALLER; // a column sorter's answer is SMALLER
    return true;
}

// New row objects, so that every row widget binds again to the grid's current cells.
void RefreshRows(TGridState& State) {
    const TStringGrid& grid = *State.Grid;
    std::vector<gpointer> rows;
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        GObject* item = G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr));
        g_object_set_data(item, kRowKey, GINT_TO_POINTER(row));
        rows.push_back(item);
    }
    g_list_store_splice(State.Rows, 0, g_list_model_get_n_items(G_LIST_MODEL(State.Rows)),
                        rows.data(), guint(rows.size()));
    for (gpointer item : rows) g_object_unref(item);
}

// A header was clicked (or the program chose a sort column): the grid sorts itself.
// Changes that leave the primary column and direction as they were are not sorts: the
// view reports them when its columns go, while it is destroyed, too.
void SortChanged(GtkSorter*, GtkSorterChange, gpointer Data) {
    TGridState& state = *static_cast<TGridState*>(Data);
    if (state.Sorting) return;
    int column = -1;
    bool ascending = true;
    if (!ProbeSortColumn(state, column, ascending)) return;
    if (column == state.SortedColumn && ascending == state.Ascending) return;
    state.Sorting = true;
    state.SortedColumn = column;
    state.Ascending = ascending;
    // One sort column, as the grid sorts by one: the view forgets earlier ones.
    auto* sorted = GTK_COLUMN_VIEW_COLUMN(
        g_list_model_get_item(gtk_column_view_get_columns(state.View), guint(column)));
    gtk_column_view_sort_by_column(state.View, sorted,
                                   ascending ? GTK_SORT_ASCENDING : GTK_SORT_DESCENDING);
    g_object_unref(sorted);
    if (state.OnSort) state.OnSort(column, ascending);
    RefreshRows(state);
    state.Sorting = false;
}

// ---------------------------------------------------------------- read-back

// The mapped cell label of Column bound to the row at Position, among Widget and its
// descendants.
GtkWidget* FindCell(GtkWidget* Widget, const TGridColumn* Column, guint Position) {
    if (GTK_IS_LABEL(Widget) && g_object_get_data(G_OBJECT(Widget), kCellKey) == Column) {
        auto* item = static_cast<GtkListItem*>(g_object_get_data(G_OBJECT(Widget), kListItemKey));
        const bool shows = gtk_widget_get_mapped(Widget) && gtk_list_item_get_item(item) &&
                           gtk_list_item_get_position(item) == Position;
        return shows ? Widget : nullptr;
    }
    for (GtkWidget* child = gtk_widget_get_first_child(Widget); child;
         child = gtk_widget_get_next_sibling(child))
        if (GtkWidget* found = FindCell(child, Column, Position)) return found;
    return nullptr;
}

} // namespace

GtkWidget* NewGridView(TStringGrid& Grid, TGridSort OnSort) {
    auto* state = new TGridState(Grid, std::move(OnSort));
    GtkNoSelection* selection = gtk_no_selection_new(G_LIST_MODEL(g_object_ref(state->Rows)));
    GtkWidget* view = gtk_column_view_new(GTK_SELECTION_MODEL(selection));
    state->View = GTK_COLUMN_VIEW(view);
    g_object_set_data_full(G_OBJECT(view), "kwgfx-grid", state,
                           [](gpointer Data) { delete static_cast<TGridState*>(Data); });
    gtk_column_view_set_show_column_separators(GTK_COLUMN_VIEW(view), TRUE);
    for (int col = 0; col < Grid.ColCount(); ++col) AddColumn(*state, col);
    g_signal_connect(gtk_column_view_get_sorter(GTK_COLUMN_VIEW(view)), "changed",
                     G_CALLBACK(SortChanged), state);
    RefreshRows(*state);
    return view;
}

void RefreshGridView(GtkWidget* View) {
    TGridState& state = StateOf(View);
    GListModel* columns = gtk_column_view_get_columns(state.View);
    for (guint col = 0; col < g_list_model_get_n_items(columns); ++col) {
        auto* column = GTK_COLUMN_VIEW_COLUMN(g_list_model_get_item(columns, col));
        gtk_column_view_column_set_title(column, TitleOf(*state.Grid, int(col)).c_str());
        g_object_unref(column);
    }
    RefreshRows(state);
}

const char* GridViewText(GtkWidget* View, int Column, int Row) {
    TGridState& state = StateOf(View);
    if (Column < 0 || Column >= int(state.Columns.size())) return nullptr;
    const int position = Row - state.Grid->FixedRows();
    if (position < 0) return nullptr;
    GtkWidget* label = FindCell(View, state.Columns[size_t(Column)].get(), guint(position));
    return label ? gtk_label_get_text(GTK_LABEL(label)) : nullptr;
}

} // namespace kw::platform::gtk
