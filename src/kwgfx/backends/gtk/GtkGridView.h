// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A string grid shown as a GtkColumnView: the fixed rows make each column's title, the
/// other rows the body, in the grid's own order. Clicking a column's header (or
/// gtk_column_view_sort_by_column) calls OnSort with the column and the direction
/// (ascending first, then alternating, as the header shows), then shows the grid's cells
/// again: whoever sorts (SortGrid, say) decides the order, never GTK. The grid must outlive
/// the view, and its column count stays as it was when the view was made.

#include <functional>

typedef struct _GtkWidget GtkWidget;

namespace kw::platform {
class TStringGrid;
}

namespace kw::platform::gtk {

/// Sorts the grid by Column; called when a header is clicked.
using TGridSort = std::function<void(int Column, bool Ascending)>;

/// A new view of Grid (a GtkColumnView, one column per grid column); see the file's
/// description.
GtkWidget* NewGridView(TStringGrid& Grid, TGridSort OnSort);
/// Shows the grid's cells again (after the program changed them or the number of rows).
void RefreshGridView(GtkWidget* View);
/// The text of the cell widget that shows (Column, Row of the grid), or null while no
/// widget shows that cell (the view not laid out yet, or the row scrolled away).
const char* GridViewText(GtkWidget* View, int Column, int Row);

} // namespace kw::platform::gtk
