// Library models in real GTK views: the class tree CreateHierarchy builds, shown and
// searched in a tree list; a string grid sorted by SortGrid through a header click; a menu
// bar whose entries call the items' OnClick.
#include "kwgfx/platform/controls/MenuItem.h"
#include "kwgfx/platform/controls/MessageDialog.h"
#include "kwgfx/platform/controls/StringGrid.h"
#include "kwgfx/platform/windowing/gtk/GtkGridView.h"
#include "kwgfx/platform/windowing/gtk/GtkMenuBar.h"
#include "kwgfx/platform/windowing/gtk/GtkMessageDialog.h"
#include "kwgfx/platform/windowing/gtk/GtkPlatform.h"
#include "kwgfx/platform/windowing/gtk/GtkTreeList.h"
#include "kwgfx/ui/KwClassHierarchy.h"
#include "kwgfx/ui/KwGridSort.h"
#include "kwgfx/ui/KwMenuHelpers.h"
#include "kwgfx/ui/KwTreeSearch.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

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

TEST_F(GtkViews, HeaderClickSortsTheGridThroughSortGrid) {
    TStringGrid grid(2, 6);
    grid.SetFixedRows(1);
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"10", "pear"}, {"9", "Apple"}, {"100", "fig"}, {"-3", "banana"}, {"2.5", "cherry"}};
    grid.SetCells(0, 0, "n");
    grid.SetCells(1, 0, "fruit");
    for (size_t i = 0; i < rows.size(); ++i) {
        grid.SetCells(0, int(i) + 1, rows[i].first);
        grid.SetCells(1, int(i) + 1, rows[i].second);
    }
    GtkWidget* view = kg::NewGridView(grid, [&](int Column, bool Ascending) {
        SortGrid(grid, Column, false, Column == 0, Ascending);
    });
    GtkWidget* window = gtk_window_new();
    gtk_window_set_child(GTK_WINDOW(window), view);
    gtk_window_present(GTK_WINDOW(window));
    const auto shownColumn = [&](int Column) {
        std::vector<std::string> texts;
        for (int row = 1; row < grid.RowCount(); ++row)
            texts.push_back(kg::GridViewText(view, Column, row));
        return texts;
    };
    using V = std::vector<std::string>;
    g_signal_emit_by_name(kg::GridHeaderButton(view, 0), "clicked");
    EXPECT_EQ(shownColumn(0), (V{"-3", "2.5", "9", "10", "100"}));
    EXPECT_EQ(shownColumn(1), (V{"banana", "cherry", "Apple", "pear", "fig"})); // rows move whole
    g_signal_emit_by_name(kg::GridHeaderButton(view, 0), "clicked");            // again: descending
    EXPECT_EQ(shownColumn(0), (V{"100", "10", "9", "2.5", "-3"}));
    g_signal_emit_by_name(kg::GridHeaderButton(view, 1), "clicked"); // text, no letter case
    EXPECT_EQ(shownColumn(1), (V{"Apple", "banana", "cherry", "fig", "pear"}));
    EXPECT_STREQ(gtk_button_get_label(GTK_BUTTON(kg::GridHeaderButton(view, 1))), "fruit ▲");
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
