// SPDX-License-Identifier: MIT
// The GTK menu bar against the library's rule for submenus (IsSubmenuVisible): on a table
// of menu trees, every item shows a submenu in the real menu exactly when the rule says so,
// and the whole GMenu the bar displays is the one the rule and the items describe; a change
// of Visible shows after a refresh; a top-level menu really opens.
#include "kwgfx/backends/gtk/GtkMenuBar.h"
#include "kwgfx/backends/gtk/GtkPlatform.h"
#include "kwgfx/platform/controls/MenuItem.h"
#include "kwgfx/ui/KwMenuHelpers.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace kw;
using namespace kw::platform;
namespace kg = kw::platform::gtk;

namespace {

class GtkMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        if (!kg::InitPlatform(&error)) GTEST_SKIP() << "no display: " << error;
    }
};

// Reads a tree written as "A(b,~c,-,d(e))": children in parentheses, "~" hides an item,
// "-" is a separator line (which may have children too).
void ParseItems(TMenuItem& Parent, std::string_view& Text) {
    while (!Text.empty() && Text.front() != ')') {
        const bool hidden = Text.front() == '~';
        if (hidden) Text.remove_prefix(1);
        const size_t end = Text.find_first_of("(),");
        auto item = std::make_unique<TMenuItem>(std::string(Text.substr(0, end)));
        item->Visible = !hidden;
        Text.remove_prefix(end == std::string_view::npos ? Text.size() : end);
        if (!Text.empty() && Text.front() == '(') {
            Text.remove_prefix(1);
            ParseItems(*item, Text);
            Text.remove_prefix(1); // ')'
        }
        Parent.Add(std::move(item));
        if (!Text.empty() && Text.front() == ',') Text.remove_prefix(1);
    }
}

std::vector<TMenuItem*> AllItems(TMenuItem& Parent) {
    std::vector<TMenuItem*> items;
    for (int i = 0; i < Parent.Count(); ++i) {
        items.push_back(Parent.Items(i));
        for (TMenuItem* below : AllItems(*Parent.Items(i))) items.push_back(below);
    }
    return items;
}

// The GMenu as text: "label" for an entry, "label{...}" for a submenu, sections split by
// " | ".
std::string DumpModel(GMenuModel* Model, bool Sections) {
    std::string text;
    for (int i = 0; i < g_menu_model_get_n_items(Model); ++i) {
        if (Sections) {
            GMenuModel* section = g_menu_model_get_item_link(Model, i, G_MENU_LINK_SECTION);
            if (!section) return "(entry outside a section)";
            text += (i ? " | " : "") + DumpModel(section, false);
            g_object_unref(section);
            continue;
        }
        gchar* label = nullptr;
        g_menu_model_get_item_attribute(Model, i, G_MENU_ATTRIBUTE_LABEL, "s", &label);
        text += std::string(i ? "," : "") + (label ? label : "?");
        g_free(label);
        if (GMenuModel* sub = g_menu_model_get_item_link(Model, i, G_MENU_LINK_SUBMENU)) {
            text += "{" + DumpModel(sub, true) + "}";
            g_object_unref(sub);
        }
    }
    return text;
}

// What the menu of Parent must be by the library's rule: its visible children, separator
// lines breaking sections (empty ones dropped), a submenu where IsSubmenuVisible says so.
std::string ExpectedMenu(const TMenuItem& Parent) {
    std::vector<std::string> sections{""};
    for (int i = 0; i < Parent.Count(); ++i) {
        const TMenuItem* item = Parent.Items(i);
        if (!item->Visible) continue;
        if (item->IsLine()) {
            sections.emplace_back();
            continue;
        }
        std::string& section = sections.back();
        section += (section.empty() ? "" : ",") + item->Caption;
        if (IsSubmenuVisible(item)) section += "{" + ExpectedMenu(*item) + "}";
    }
    std::string text;
    for (const std::string& s : sections)
        if (!s.empty()) text += (text.empty() ? "" : " | ") + s;
    return text;
}

std::string ExpectedBar(const TMenuItem& Root) {
    std::string text;
    for (int i = 0; i < Root.Count(); ++i) {
        const TMenuItem* top = Root.Items(i);
        if (top->Visible && !top->IsLine() && IsSubmenuVisible(top))
            text += (text.empty() ? "" : ",") + top->Caption + "{" + ExpectedMenu(*top) + "}";
    }
    return text;
}

// How the bar must show Item: nothing when it or an item above it is hidden or a line;
// otherwise a submenu exactly when IsSubmenuVisible says so, and a plain entry below the
// top level (a menu bar's top holds only menus).
kg::TMenuBarShows ExpectedShows(const TMenuItem& Item) {
    for (const TMenuItem* i = &Item; i->Parent(); i = i->Parent())
        if (!i->Visible || i->IsLine()) return kg::TMenuBarShows::Nothing;
    if (IsSubmenuVisible(&Item)) return kg::TMenuBarShows::Submenu;
    return Item.Parent()->Parent() ? kg::TMenuBarShows::Entry : kg::TMenuBarShows::Nothing;
}

void ExpectBarFollowsTheRule(GtkWidget* Bar, TMenuItem& Root, const std::string& Tree) {
    GMenuModel* shown = gtk_popover_menu_bar_get_menu_model(GTK_POPOVER_MENU_BAR(Bar));
    EXPECT_EQ(DumpModel(shown, false), ExpectedBar(Root)) << Tree;
    for (TMenuItem* item : AllItems(Root))
        EXPECT_EQ(int(kg::MenuBarShows(Bar, *item)), int(ExpectedShows(*item)))
            << Tree << ": item " << item->Caption;
}

} // namespace

TEST_F(GtkMenuBarTest, SubmenusFollowIsSubmenuVisible) {
    const char* trees[] = {
        "A",                  // no children
        "A(-,-)",             // only separators
        "A(~x,~y)",           // only hidden children
        "A(~x,y)",            // hidden, then visible
        "A(-,y,-)",           // a line before and after
        "A(x(-,~y),z(~q,r))", // entries whose children are lines or hidden
        "A(b(c(d,~e),-,~f(g)),h(-),i(~j)),~B(k),-,C(l)", // nested levels, hidden top
        "A(-(x),y)",                                     // a line with children shows no submenu
    };
    for (const char* tree : trees) {
        TMenuItem root;
        std::string_view text = tree;
        ParseItems(root, text);
        GtkWidget* bar = kg::NewMenuBar(root);
        g_object_ref_sink(bar);
        ExpectBarFollowsTheRule(bar, root, tree);
        g_object_unref(bar);
    }
    // The oracle itself, on one tree worked by hand.
    TMenuItem root;
    std::string_view text = "A(b(c,-,~d),e)";
    ParseItems(root, text);
    EXPECT_EQ(ExpectedBar(root), "A{b{c},e}");
}

TEST_F(GtkMenuBarTest, AChangeOfVisibleShowsAfterARefresh) {
    TMenuItem root;
    std::string_view text = "A(b(c,~d),e(-,f)),B(g)";
    ParseItems(root, text);
    GtkWidget* bar = kg::NewMenuBar(root);
    g_object_ref_sink(bar);
    TMenuItem* a = root.Items(0);
    TMenuItem* b = a->Items(0);
    TMenuItem* e = a->Items(1);
    ASSERT_EQ(kg::MenuBarShows(bar, *b), kg::TMenuBarShows::Submenu);
    // b loses its one visible child, e its one entry; B's only child hides, so B goes.
    b->Items(0)->Visible = false;
    e->Items(1)->Visible = false;
    root.Items(1)->Items(0)->Visible = false;
    kg::RefreshMenuBar(bar);
    ExpectBarFollowsTheRule(bar, root, "after hiding");
    EXPECT_EQ(kg::MenuBarShows(bar, *b), kg::TMenuBarShows::Entry);
    EXPECT_EQ(kg::MenuBarShows(bar, *root.Items(1)), kg::TMenuBarShows::Nothing);
    // A hidden child shows again, one level deeper.
    b->Items(1)->Visible = true;
    b->Items(1)->Add(std::make_unique<TMenuItem>("deep"));
    kg::RefreshMenuBar(bar);
    ExpectBarFollowsTheRule(bar, root, "after showing");
    EXPECT_EQ(kg::MenuBarShows(bar, *b->Items(1)), kg::TMenuBarShows::Submenu);
    g_object_unref(bar);
}

// The real widgets: a top-level item of the bar, activated as a click does, maps its
// popover menu.
TEST_F(GtkMenuBarTest, ATopLevelMenuOpensInAWindow) {
    TMenuItem root;
    std::string_view text = "~Hidden(x),File(Open,-,Quit),Edit(Copy)";
    ParseItems(root, text);
    GtkWidget* bar = kg::NewMenuBar(root);
    GtkWidget* window = gtk_window_new();
    gtk_window_set_child(GTK_WINDOW(window), bar);
    gtk_window_present(GTK_WINDOW(window));
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    std::vector<GtkWidget*> tops;
    for (GtkWidget* w = gtk_widget_get_first_child(bar); w; w = gtk_widget_get_next_sibling(w))
        tops.push_back(w);
    ASSERT_EQ(tops.size(), 2u); // File and Edit: the hidden menu has no item
    GtkWidget* popover = gtk_widget_get_last_child(tops[0]);
    ASSERT_TRUE(GTK_IS_POPOVER(popover));
    EXPECT_FALSE(gtk_widget_get_mapped(popover));
    gtk_widget_activate(tops[0]);
    const gint64 until = g_get_monotonic_time() + 2 * G_USEC_PER_SEC;
    while (!gtk_widget_get_mapped(popover) && g_get_monotonic_time() < until)
        g_main_context_iteration(nullptr, FALSE);
    EXPECT_TRUE(gtk_widget_get_mapped(popover));
    gtk_popover_popdown(GTK_POPOVER(popover));
    gtk_window_destroy(GTK_WINDOW(window));
}
