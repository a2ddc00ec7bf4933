// SPDX-License-Identifier: MIT
// Library models in real GTK views: the class tree CreateHierarchy builds, shown and
// searched in a tree list; a string grid in a column view sorted by SortGrid through a
// header click; a menu bar whose entries call the items' OnClick.
#include "kwgfx/backends/gtk/GtkGridView.h"
#include "kwgfx/backends/gtk/GtkMenuBar.h"
#include "kwgfx/backends/gtk/GtkMessageDialog.h"
#include "kwgfx/backends/gtk/GtkPlatform.h"
#include "kwgfx/backends/gtk/GtkTreeList.h"
#include "kwgfx/platform/base/Random.h"
#include "kwgfx/platform/controls/MenuItem.h"
#include "kwgfx/platform/controls/MessageDialog.h"
#include "kwgfx/platform/controls/StringGrid.h"
#include "kwgfx/ui/KwClassHierarchy.h"
#include "kwgfx/ui/KwGridSort.h"
#include "kwgfx/ui/KwMenuHelpers.h"
#include "kwgfx/ui/KwTreeSearch.h"

#include "XPointerClick.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace kw;
using namespace kw::platform;
namespace kg = kw::platform::gtk;

namespace {

class GtkViews : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        if (!kg::InitPlatform(&error)) GTEST_SKIP() << "no display: " << error;
    }
};

// The whole tree in pre-order, indented by level: what a fully expanded view shows.
std::string AllNodes(const TTreeView& Tree) {
    std::string text;
    for (TTreeNode* n = Tree.Items().GetFirstNode(); n; n = n->GetNext())
        text += std::string(2 * n->Level(), ' ') + n->Text + "\n";
    return text;
}

} // namespace

TEST_F(GtkViews, TreeListShowsTheHierarchyAndFollowsItsChanges) {
    TTreeView tree;
    CreateHierarchy(TStringList{"TList=TObject", "TStrings=TPersistent", "TStringList=TStrings",
                                "EMine=Exception"},
                    tree);
    GtkWidget* list = kg::NewTreeList(tree);
    g_object_ref_sink(list);
    std::string roots;
    for (int i = 0; i < tree.Items().RootCount(); ++i) roots += tree.Items().Root(i)->Text + "\n";
    EXPECT_EQ(kg::ShownTreeRows(list), roots); // collapsed at first

    // Selecting a node expands the rows above it; selecting every node expands them all.
    TTreeNode* strings = FindTextInTreeView(tree, "tstringlist");
    ASSERT_TRUE(kg::SelectTreeNode(list, strings));
    EXPECT_EQ(kg::SelectedTreeNode(list), strings);
    for (TTreeNode* n = tree.Items().GetFirstNode(); n; n = n->GetNext())
        ASSERT_TRUE(kg::SelectTreeNode(list, n)) << n->Text;
    EXPECT_EQ(kg::ShownTreeRows(list), AllNodes(tree));

    // A change of the nodes shows at once.
    tree.Items().BeginUpdate();
    tree.Items().AddChild(strings, "TMyList");
    tree.Items().EndUpdate();
    TTreeNode* added = FindTextInTreeView(tree, "TMyList");
    ASSERT_TRUE(kg::SelectTreeNode(list, added));
    EXPECT_EQ(kg::SelectedTreeNode(list), added);
    const std::string row = std::string(2 * added->Level(), ' ') + "TMyList\n";
    EXPECT_NE(kg::ShownTreeRows(list).find(row), std::string::npos) << kg::ShownTreeRows(list);
    g_object_unref(list);
}

// The rows a view shows when exactly the nodes in Expanded are expanded, indented by level.
std::string RowsExpanding(const std::vector<TTreeNode*>& Nodes,
                          const std::set<const TTreeNode*>& Expanded) {
    std::string text;
    for (TTreeNode* n : Nodes) {
        text += std::string(2 * n->Level(), ' ') + n->Text + "\n";
        if (!Expanded.contains(n)) continue;
        std::vector<TTreeNode*> children;
        for (int i = 0; i < n->Count(); ++i) children.push_back(n->Item(i));
        text += RowsExpanding(children, Expanded);
    }
    return text;
}

std::string RowsExpanding(const TTreeView& Tree, const std::set<const TTreeNode*>& Expanded) {
    std::vector<TTreeNode*> roots;
    for (int i = 0; i < Tree.Items().RootCount(); ++i) roots.push_back(Tree.Items().Root(i));
    return RowsExpanding(roots, Expanded);
}

TEST_F(GtkViews, TreeListKeepsExpandedAndSelectedRowsAcrossChanges) {
    TTreeView tree;
    TTreeNodes& nodes = tree.Items();
    TTreeNode* a = nodes.Add(nullptr, "A");
    TTreeNode* a1 = nodes.AddChild(a, "A1");
    nodes.AddChild(a1, "A1a");
    TTreeNode* a1b = nodes.AddChild(a1, "A1b");
    TTreeNode* a2 = nodes.AddChild(a, "A2");
    nodes.AddChild(a2, "A2a");
    TTreeNode* b = nodes.Add(nullptr, "B");
    TTreeNode* b1 = nodes.AddChild(b, "B1");
    TTreeNode* b2 = nodes.AddChild(b, "B2");
    nodes.AddChild(b2, "B2a");
    TTreeNode* c = nodes.Add(nullptr, "C");
    TTreeNode* c1 = nodes.AddChild(c, "C1");
    GtkWidget* list = kg::NewTreeList(tree);
    g_object_ref_sink(list);
    // Selecting a node expands the rows above it: A, A1, then B, B2; B1 ends selected.
    ASSERT_TRUE(kg::SelectTreeNode(list, a1b));
    ASSERT_TRUE(kg::SelectTreeNode(list, b2->Item(0)));
    ASSERT_TRUE(kg::SelectTreeNode(list, b1));
    std::set<const TTreeNode*> expanded{a, a1, b, b2};
    ASSERT_EQ(kg::ShownTreeRows(list), RowsExpanding(tree, expanded));

    // Changes elsewhere and inside expanded rows: added, deleted, renamed, moved up.
    nodes.BeginUpdate();
    nodes.AddChild(a1, "A1c"); // appears, A1 being expanded
    nodes.Delete(a2);          // a collapsed sibling goes
    a1b->Text = "A1b renamed"; // shows under its new name
    nodes.AddChild(c, "C2");   // C stays collapsed
    nodes.Delete(c1);
    nodes.AddChild(nodes.Add(nullptr, "D"), "D1");
    nodes.Delete(a->Item(0)->Item(0)); // A1a: B1's row moves up
    nodes.EndUpdate();
    EXPECT_EQ(kg::ShownTreeRows(list), RowsExpanding(tree, expanded));
    EXPECT_NE(kg::ShownTreeRows(list).find("    A1b renamed\n"), std::string::npos);
    EXPECT_EQ(kg::SelectedTreeNode(list), b1);

    // An expanded node that goes takes its rows with it; the selected one leaves no
    // selection; the others stay as they were.
    nodes.BeginUpdate();
    nodes.Delete(b1);
    nodes.Delete(a1);
    nodes.EndUpdate();
    expanded.erase(a1);
    EXPECT_EQ(kg::ShownTreeRows(list), RowsExpanding(tree, expanded));
    EXPECT_EQ(kg::SelectedTreeNode(list), nullptr);
    g_object_unref(list);
}

// Runs the GLib loop for Ms milliseconds: long enough for the view to lay out and bind
// its rows again.
void RunLoopFor(guint Ms) {
    bool done = false;
    g_timeout_add(
        Ms, [](gpointer Done) { return *static_cast<bool*>(Done) = true, G_SOURCE_REMOVE; }, &done);
    while (!done) g_main_context_iteration(nullptr, TRUE);
}

using TRows = std::vector<std::vector<std::string>>;

// The body rows as the view's cell widgets show them ("?" for a cell no widget shows).
TRows ShownRows(GtkWidget* View, const TStringGrid& Grid) {
    TRows rows;
    for (int row = Grid.FixedRows(); row < Grid.RowCount(); ++row) {
        rows.emplace_back();
        for (int col = 0; col < Grid.ColCount(); ++col) {
            const char* text = kg::GridViewText(View, col, row);
            rows.back().push_back(text ? text : "?");
        }
    }
    return rows;
}

// The body rows of a copy of Grid once SortGrid has sorted it. Rows with equal keys end
// in an order that depends on the order before and on SortGrid's random pivots, so the
// copy is of the grid as it stands, and the caller seeds the random numbers alike for both.
TRows SortedCopy(const TStringGrid& Grid, int Column, bool Numeric, bool Ascending) {
    TStringGrid copy(Grid.ColCount(), Grid.RowCount());
    copy.SetFixedRows(Grid.FixedRows());
    for (int row = 0; row < Grid.RowCount(); ++row)
        for (int col = 0; col < Grid.ColCount(); ++col)
            copy.SetCells(col, row, Grid.Cells(col, row));
    SortGrid(copy, Column, false, Numeric, Ascending);
    TRows rows;
    for (int row = copy.FixedRows(); row < copy.RowCount(); ++row) {
        rows.emplace_back();
        for (int col = 0; col < copy.ColCount(); ++col) rows.back().push_back(copy.Cells(col, row));
    }
    return rows;
}

TEST_F(GtkViews, HeaderActivationSortsTheColumnViewThroughSortGrid) {
    const TRows cells = {{"n", "fruit", "kg"},  {"10", "pear", "3"},    {"9", "Apple", "3"},
                         {"100", "fig", "0.5"}, {"-3", "banana", "12"}, {"2.5", "cherry", "1"},
                         {"9", "apple", "2"},   {"1e1", "Date", "7"}};
    TStringGrid grid(3, int(cells.size()));
    grid.SetFixedRows(1);
    for (size_t row = 0; row < cells.size(); ++row)
        for (size_t col = 0; col < cells[row].size(); ++col)
            grid.SetCells(int(col), int(row), cells[row][col]);
    std::vector<std::pair<int, bool>> sorts;
    GtkWidget* view = kg::NewGridView(grid, [&](int Column, bool Ascending) {
        sorts.emplace_back(Column, Ascending);
        SortGrid(grid, Column, false, Column != 1, Ascending);
    });
    ASSERT_TRUE(GTK_IS_COLUMN_VIEW(view));
    GtkWidget* window = gtk_window_new();
    gtk_window_set_default_size(GTK_WINDOW(window), 400, 400);
    gtk_window_set_child(GTK_WINDOW(window), view);
    gtk_window_present(GTK_WINDOW(window));
    RunLoopFor(150);
    EXPECT_EQ(ShownRows(view, grid), TRows(cells.begin() + 1, cells.end())); // as given

    GListModel* columns = gtk_column_view_get_columns(GTK_COLUMN_VIEW(view));
    const auto sortBy = [&](int Column, GtkSortType Direction) {
        auto* column = GTK_COLUMN_VIEW_COLUMN(g_list_model_get_item(columns, guint(Column)));
        gtk_column_view_sort_by_column(GTK_COLUMN_VIEW(view), column, Direction);
        g_object_unref(column);
    };
    // What a header click does: GTK 4.8's title sorts only on a real primary button,
    // which only the X server sends (RealHeaderClicksSortTheColumnViewThroughSortGrid
    // has it send one), and then calls into the view's sorter as this does.
    struct TStep {
        int Column;
        bool Ascending;
    };
    const TStep steps[] = {{0, true}, {0, false}, {1, true}, {1, false}, {2, true}, {0, true}};
    std::vector<std::pair<int, bool>> expectedSorts;
    for (const TStep& step : steps) {
        SetRandSeed(7);
        const TRows expected = SortedCopy(grid, step.Column, step.Column != 1, step.Ascending);
        SetRandSeed(7);
        sortBy(step.Column, step.Ascending ? GTK_SORT_ASCENDING : GTK_SORT_DESCENDING);
        expectedSorts.emplace_back(step.Column, step.Ascending);
        RunLoopFor(150);
        EXPECT_EQ(sorts, expectedSorts);
        EXPECT_EQ(ShownRows(view, grid), expected)
            << "column " << step.Column << (step.Ascending ? " ascending" : " descending");
    }
    // The program's own change of cells shows after a refresh, in the grid's order.
    grid.SetCells(1, 1, "quince");
    kg::RefreshGridView(view);
    RunLoopFor(150);
    EXPECT_EQ(ShownRows(view, grid)[0][1], "quince");
    gtk_window_destroy(GTK_WINDOW(window));
}

// Runs the GLib loop until Done says so or TimeoutMs pass; false on the timeout. A short
// timer wakes the loop, so that Done is asked again even when no event comes.
bool RunLoopUntil(const std::function<bool()>& Done, guint TimeoutMs) {
    const gint64 deadline = g_get_monotonic_time() + gint64(TimeoutMs) * 1000;
    const guint tick = g_timeout_add(
        10, [](gpointer) -> gboolean { return G_SOURCE_CONTINUE; }, nullptr);
    bool done = Done();
    while (!done && g_get_monotonic_time() < deadline) {
        g_main_context_iteration(nullptr, TRUE);
        done = Done();
    }
    g_source_remove(tick);
    return done;
}

bool ShowsLabel(GtkWidget* Widget, const std::string& Text) {
    if (GTK_IS_LABEL(Widget) && Text == gtk_label_get_text(GTK_LABEL(Widget))) return true;
    for (GtkWidget* child = gtk_widget_get_first_child(Widget); child;
         child = gtk_widget_get_next_sibling(child))
        if (ShowsLabel(child, Text)) return true;
    return false;
}

// The header widget that shows Title and sorts its column when clicked: GTK's column
// title, a type of its own that only its name makes known.
GtkWidget* FindHeaderTitle(GtkWidget* Widget, const std::string& Title) {
    if (std::string(G_OBJECT_TYPE_NAME(Widget)) == "GtkColumnViewTitle")
        return ShowsLabel(Widget, Title) ? Widget : nullptr;
    for (GtkWidget* child = gtk_widget_get_first_child(Widget); child;
         child = gtk_widget_get_next_sibling(child))
        if (GtkWidget* found = FindHeaderTitle(child, Title)) return found;
    return nullptr;
}

// The pointer clicks the headers as a user would: the X server delivers the button to
// GTK, whose title gesture sorts the view, whose sort handler calls SortGrid. A first
// click on a column sorts it ascending, the next one descending.
TEST_F(GtkViews, RealHeaderClicksSortTheColumnViewThroughSortGrid) {
    if (const std::string why = kwtest::XClickUnavailable(); !why.empty()) GTEST_SKIP() << why;
    const TRows cells = {{"n", "fruit"}, {"10", "pear"},  {"9", "Apple"}, {"100", "fig"},
                         {"-3", "kiwi"}, {"2.5", "lime"}, {"9", "apple"}, {"1e1", "Date"}};
    TStringGrid grid(2, int(cells.size()));
    grid.SetFixedRows(1);
    for (size_t row = 0; row < cells.size(); ++row)
        for (size_t col = 0; col < cells[row].size(); ++col)
            grid.SetCells(int(col), int(row), cells[row][col]);
    const auto numeric = [](int Column) { return Column == 0; };
    std::vector<std::pair<int, bool>> sorts;
    GtkWidget* view = kg::NewGridView(grid, [&](int Column, bool Ascending) {
        sorts.emplace_back(Column, Ascending);
        SortGrid(grid, Column, false, numeric(Column), Ascending);
    });
    GtkWidget* window = gtk_window_new();
    gtk_window_set_default_size(GTK_WINDOW(window), 400, 400);
    gtk_window_set_child(GTK_WINDOW(window), view);
    gtk_window_present(GTK_WINDOW(window));
    const TRows given(cells.begin() + 1, cells.end());
    ASSERT_TRUE(RunLoopUntil(
        [&] {
            GtkWidget* title = FindHeaderTitle(view, cells[0][1]);
            return title && gtk_widget_get_mapped(title) && gtk_widget_get_width(title) > 0 &&
                   ShownRows(view, grid) == given;
        },
        5000))
        << "the view was not shown";

    std::vector<std::pair<int, bool>> expectedSorts;
    for (const auto& [column, ascending] :
         {std::pair{0, true}, std::pair{0, false}, std::pair{1, true}, std::pair{1, false}}) {
        const std::string how =
            cells[0][size_t(column)] + (ascending ? " ascending" : " descending");
        SetRandSeed(7);
        const TRows expected = SortedCopy(grid, column, numeric(column), ascending);
        SetRandSeed(7);
        GtkWidget* title = FindHeaderTitle(view, cells[0][size_t(column)]);
        ASSERT_NE(title, nullptr) << how;
        ASSERT_TRUE(kwtest::XClickCentre(title)) << how;
        expectedSorts.emplace_back(column, ascending);
        const bool sorted = RunLoopUntil(
            [&] {
                return sorts.size() >= expectedSorts.size() && ShownRows(view, grid) == expected;
            },
            5000);
        EXPECT_TRUE(sorted) << how << ": the click did not sort the view in time";
        EXPECT_EQ(sorts, expectedSorts) << how;
        EXPECT_EQ(ShownRows(view, grid), expected) << how;
    }
    gtk_window_destroy(GTK_WINDOW(window));
}

TEST_F(GtkViews, MenuBarEntriesClickTheirItems) {
    TMenuItem root;
    std::vector<std::string> clicked;
    TMenuItem* file = root.Add(std::make_unique<TMenuItem>("File"));
    CreateMenuItemChildren(
        file, TStringList{"Open", "-", "Quit"},
        [&](TObject* S) { clicked.push_back(static_cast<TMenuItem*>(S)->Caption); }, false);
    file->Items(0)->Visible = false; // not in the menu
    GtkWidget* bar = kg::NewMenuBar(root);
    g_object_ref_sink(bar);
    // Only "Quit" has an action: hidden items and lines have none.
    EXPECT_FALSE(gtk_widget_activate_action(bar, "kwmenu.item1", nullptr));
    ASSERT_TRUE(gtk_widget_activate_action(bar, "kwmenu.item0", nullptr));
    EXPECT_EQ(clicked, std::vector<std::string>{"Quit"});
    g_object_unref(bar);
}

// A timer on the GLib loop plays the user: it finds the open dialog and answers it, or
// destroys it as a closing parent window would.
TEST_F(GtkViews, MessageDlgIsAModalDialogWhoseButtonIsTheResult) {
    kg::InstallMessageDialogs();
    struct TCase {
        TMsgDlgButtons Buttons;
        int Response; // 0: destroy the dialog instead
        int32_t Expected;
    };
    for (const TCase& c : {TCase{{mbYes, mbNo}, mrNo, mrNo}, TCase{{mbOK}, mrOk, mrOk},
                           TCase{{mbOK, mbCancel}, 0, mrCancel}, TCase{{mbOK}, 0, mrNone}}) {
        int buttons = -1;
        const auto act = [&]() -> gboolean {
            GListModel* windows = gtk_window_get_toplevels();
            for (guint i = 0; i < g_list_model_get_n_items(windows); ++i) {
                auto* w = static_cast<GtkWidget*>(g_list_model_get_item(windows, i));
                g_object_unref(w);
                G_GNUC_BEGIN_IGNORE_DEPRECATIONS
                if (!GTK_IS_MESSAGE_DIALOG(w) || !gtk_widget_get_visible(w)) continue;
                buttons = 0;
                for (int r : {mrYes, mrNo, mrOk, mrCancel})
                    buttons += gtk_dialog_get_widget_for_response(GTK_DIALOG(w), r) != nullptr;
                if (c.Response)
                    gtk_dialog_response(GTK_DIALOG(w), c.Response);
                else
                    gtk_window_destroy(GTK_WINDOW(w));
                G_GNUC_END_IGNORE_DEPRECATIONS
                return G_SOURCE_REMOVE;
            }
            return G_SOURCE_CONTINUE;
        };
        using TAct = decltype(act);
        g_timeout_add(
            20, [](gpointer A) -> gboolean { return (*static_cast<TAct*>(A))(); }, (gpointer)&act);
        EXPECT_EQ(MessageDlg("Proceed?", mtConfirmation, c.Buttons, 0), c.Expected);
        int offered = 0;
        for (TMsgDlgBtn b : {mbYes, mbNo, mbOK, mbCancel}) offered += c.Buttons.Contains(b);
        EXPECT_EQ(buttons, offered);
    }
    SetMessageDlgSink({});
}
