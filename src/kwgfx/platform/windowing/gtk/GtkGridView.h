#pragma once
/// \file
/// A string grid shown as a table of labels under a row of header buttons: the fixed rows
/// are the header, the other rows the body. Clicking a header calls OnSort with the column
/// and the direction (ascending first, then alternating), then shows the grid's cells again,
/// so whoever sorts (SortGrid, say) decides the order. The grid must outlive the view.
///
/// (GTK 4.8's column view tells no one which header was clicked, hence buttons.)

#include <functional>

typedef struct _GtkWidget GtkWidget;

namespace kw::platform {
class TStringGrid;
}

namespace kw::platform::gtk {

/// Sorts the grid by Column; called when a header is clicked.
using TGridSort = std::function<void(int Column, bool Ascending)>;

/// A new view of Grid; see the file's description.
GtkWidget* NewGridView(TStringGrid& Grid, TGridSort OnSort);
/// Shows the grid's cells again (after the program changed them).
void RefreshGridView(GtkWidget* View);
/// The header button of Column, for tests that click it.
GtkWidget* GridHeaderButton(GtkWidget* View, int Column);
/// The text the view shows in the cell (Column, Row of the grid).
const char* GridViewText(GtkWidget* View, int Column, int Row);

} // namespace kw::platform::gtk
