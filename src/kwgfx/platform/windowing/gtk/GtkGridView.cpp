// NewGridView: the GtkGrid of header buttons and cell labels, the click that sorts.
#include "kwgfx/platform/windowing/gtk/GtkGridView.h"

#include "kwgfx/platform/controls/StringGrid.h"

#include <gtk/gtk.h>

#include <vector>

namespace kw::platform::gtk {

namespace {

struct TGridState {
    TStringGrid* Grid;
    TGridSort OnSort;
    int SortedColumn = -1;
    bool Ascending = true;
};

TGridState& StateOf(GtkWidget* View) {
    return *static_cast<TGridState*>(g_object_get_data(G_OBJECT(View), "kwgfx-grid"));
}

void HeaderClicked(GtkButton* Button, gpointer View) {
    TGridState& state = StateOf(GTK_WIDGET(View));
    const int column = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(Button), "kwgfx-column"));
    state.Ascending = column == state.SortedColumn ? !state.Ascending : true;
    state.SortedColumn = column;
    if (state.OnSort) state.OnSort(column, state.Ascending);
    RefreshGridView(GTK_WIDGET(View));
}

} // namespace

GtkWidget* NewGridView(TStringGrid& Grid, TGridSort OnSort) {
    GtkWidget* view = gtk_grid_new();
    gtk_grid_set_column_spacing(GTK_GRID(view), 12);
    g_object_set_data_full(G_OBJECT(view), "kwgfx-grid", new TGridState{&Grid, std::move(OnSort)},
                           [](gpointer Data) { delete static_cast<TGridState*>(Data); });
    for (int col = 0; col < Grid.ColCount(); ++col) {
        GtkWidget* button = gtk_button_new();
        g_object_set_data(G_OBJECT(button), "kwgfx-column", GINT_TO_POINTER(col));
        g_signal_connect(button, "clicked", G_CALLBACK(HeaderClicked), view);
        gtk_grid_attach(GTK_GRID(view), button, col, 0, 1, 1);
        for (int row = Grid.FixedRows(); row < Grid.RowCount(); ++row) {
            GtkWidget* label = gtk_label_new(nullptr);
            gtk_label_set_xalign(GTK_LABEL(label), 0);
            gtk_label_set_max_width_chars(GTK_LABEL(label), 24);
            gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
            gtk_grid_attach(GTK_GRID(view), label, col, 1 + row - Grid.FixedRows(), 1, 1);
        }
    }
    RefreshGridView(view);
    return view;
}

void RefreshGridView(GtkWidget* View) {
    const TGridState& state = StateOf(View);
    const TStringGrid& grid = *state.Grid;
    for (int col = 0; col < grid.ColCount(); ++col) {
        std::string title;
        for (int row = 0; row < grid.FixedRows(); ++row)
            title += (row ? " " : "") + grid.Cells(col, row);
        if (col == state.SortedColumn) title += state.Ascending ? " ▲" : " ▼";
        gtk_button_set_label(GTK_BUTTON(GridHeaderButton(View, col)), title.c_str());
        for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
            GtkWidget* label =
                gtk_grid_get_child_at(GTK_GRID(View), col, 1 + row - grid.FixedRows());
            if (label) gtk_label_set_text(GTK_LABEL(label), grid.Cells(col, row).c_str());
        }
    }
}

GtkWidget* GridHeaderButton(GtkWidget* View, int Column) {
    return gtk_grid_get_child_at(GTK_GRID(View), Column, 0);
}

const char* GridViewText(GtkWidget* View, int Column, int Row) {
    const int first = StateOf(View).Grid->FixedRows();
    GtkWidget* label = gtk_grid_get_child_at(GTK_GRID(View), Column, 1 + Row - first);
    return label && GTK_IS_LABEL(label) ? gtk_label_get_text(GTK_LABEL(label)) : nullptr;
}

} // namespace kw::platform::gtk
