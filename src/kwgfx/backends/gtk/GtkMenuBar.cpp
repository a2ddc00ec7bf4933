// SPDX-License-Identifier: MIT
// NewMenuBar: GMenu sections from the item tree, one GAction per entry, and the path of
// each item in the GMenu, by which MenuBarShows reads the bar's own model back.
#include "kwgfx/backends/gtk/GtkMenuBar.h"

#include "kwgfx/platform/controls/MenuItem.h"

#include <gtk/gtk.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kw::platform::gtk {

namespace {

// One step down a GMenuModel: the item at Index, then (unless it is the last step) its link.
struct TMenuStep {
    int Index;
    const char* Link;
};
using TMenuPath = std::vector<TMenuStep>;

struct TMenuBarState {
    TMenuItem* Root;
    // Where each item shown lies in the bar's model; separator lines are section breaks,
    // not items of a GMenu, so they have none.
    std::map<const TMenuItem*, TMenuPath> Paths;
};

TMenuBarState& StateOf(GtkWidget* Bar) {
    return *static_cast<TMenuBarState*>(g_object_get_data(G_OBJECT(Bar), "kwgfx-menu"));
}

// Whether Item has something to open: a child that is visible and not a separator line.
bool HasEntries(const TMenuItem& Item) {
    for (int i = 0; i < Item.Count(); ++i) {
        const TMenuItem* child = Item.Items(i);
        if (child->Visible && !child->IsLine()) return true;
    }
    return false;
}

class TMenuBuilder {
public:
    TMenuBuilder(TMenuBarState& State, GSimpleActionGroup* Actions)
        : FState(State), FActions(Actions) {}

    // Adds Parent's visible children to Menu (reached by Path), breaking sections at
    // separator lines.
    void AddEntries(GMenu* Menu, const TMenuPath& Path, TMenuItem& Parent) {
        GMenu* section = g_menu_new();
        int sections = 0;
        const auto closeSection = [&] {
            if (g_menu_model_get_n_items(G_MENU_MODEL(section)) > 0) {
                g_menu_append_section(Menu, nullptr, G_MENU_MODEL(section));
                ++sections;
            }
            g_object_unref(section);
        };
        for (int i = 0; i < Parent.Count(); ++i) {
            TMenuItem* item = Parent.Items(i);
            if (!item->Visible) continue;
            if (item->IsLine()) {
                closeSection();
                section = g_menu_new();
                continue;
            }
            TMenuPath path = Path;
            path.back().Link = G_MENU_LINK_SUBMENU;
            path.push_back({sections, G_MENU_LINK_SECTION});
            path.push_back({g_menu_model_get_n_items(G_MENU_MODEL(section)), nullptr});
            FState.Paths[item] = path;
            if (HasEntries(*item)) {
                GMenu* sub = g_menu_new();
                AddEntries(sub, path, *item);
                g_menu_append_submenu(section, item->Caption.c_str(), G_MENU_MODEL(sub));
                g_object_unref(sub);
            } else {
                g_menu_append(section, item->Caption.c_str(), ActionFor(*item).c_str());
            }
        }
        closeSection();
    }

private:
    // A new action "item<N>" that clicks Item; its detailed name.
    std::string ActionFor(TMenuItem& Item) {
        const std::string name = "item" + std::to_string(FNext++);
        GSimpleAction* action = g_simple_action_new(name.c_str(), nullptr);
        g_signal_connect(action, "activate",
                         G_CALLBACK(+[](GSimpleAction*, GVariant*, gpointer Clicked) {
                             static_cast<TMenuItem*>(Clicked)->Click();
                         }),
                         &Item);
        g_action_map_add_action(G_ACTION_MAP(FActions), G_ACTION(action));
        g_object_unref(action);
        return "kwmenu." + name;
    }

    TMenuBarState& FState;
    GSimpleActionGroup* FActions;
    int FNext = 0;
};

// The bar's menu from the state's items; a menu bar shows only submenus at its top, so a
// top-level item with nothing to open is left out.
GMenuModel* BuildMenu(TMenuBarState& State, GSimpleActionGroup* Actions) {
    State.Paths.clear();
    TMenuBuilder builder(State, Actions);
    GMenu* menu = g_menu_new();
    for (int i = 0; i < State.Root->Count(); ++i) {
        TMenuItem* top = State.Root->Items(i);
        if (!top->Visible || top->IsLine() || !HasEntries(*top)) continue;
        const TMenuPath path{{g_menu_model_get_n_items(G_MENU_MODEL(menu)), nullptr}};
        State.Paths[top] = path;
        GMenu* sub = g_menu_new();
        builder.AddEntries(sub, path, *top);
        g_menu_append_submenu(menu, top->Caption.c_str(), G_MENU_MODEL(sub));
        g_object_unref(sub);
    }
    return G_MENU_MODEL(menu);
}

// The actions replace the bar's earlier ones under the same prefix.
GMenuModel* BuildMenuWithActions(GtkWidget* Bar) {
    GSimpleActionGroup* actions = g_simple_action_group_new();
    GMenuModel* menu = BuildMenu(StateOf(Bar), actions);
    gtk_widget_insert_action_group(Bar, "kwmenu", G_ACTION_GROUP(actions));
    g_object_unref(actions);
    return menu;
}

} // namespace

GtkWidget* NewMenuBar(TMenuItem& Root) {
    GtkWidget* bar = GTK_WIDGET(g_object_new(GTK_TYPE_POPOVER_MENU_BAR, nullptr));
    g_object_set_data_full(G_OBJECT(bar), "kwgfx-menu", new TMenuBarState{&Root, {}},
                           [](gpointer Data) { delete static_cast<TMenuBarState*>(Data); });
    RefreshMenuBar(bar);
    return bar;
}

void RefreshMenuBar(GtkWidget* Bar) {
    GMenuModel* menu = BuildMenuWithActions(Bar);
    gtk_popover_menu_bar_set_menu_model(GTK_POPOVER_MENU_BAR(Bar), menu);
    g_object_unref(menu);
}

TMenuBarShows MenuBarShows(GtkWidget* Bar, const TMenuItem& Item) {
    const TMenuBarState& state = StateOf(Bar);
    const auto found = state.Paths.find(&Item);
    if (found == state.Paths.end()) return TMenuBarShows::Nothing;
    GMenuModel* model = gtk_popover_menu_bar_get_menu_model(GTK_POPOVER_MENU_BAR(Bar));
    if (!model) return TMenuBarShows::Nothing;
    g_object_ref(model);
    const TMenuPath& path = found->second;
    for (size_t i = 0; model && i + 1 < path.size(); ++i) {
        GMenuModel* next = path[i].Index < g_menu_model_get_n_items(model)
                               ? g_menu_model_get_item_link(model, path[i].Index, path[i].Link)
                               : nullptr;
        g_object_unref(model);
        model = next;
    }
    if (!model) return TMenuBarShows::Nothing;
    TMenuBarShows shows = TMenuBarShows::Nothing;
    const int last = path.back().Index;
    if (last < g_menu_model_get_n_items(model)) {
        GMenuModel* sub = g_menu_model_get_item_link(model, last, G_MENU_LINK_SUBMENU);
        shows = sub ? TMenuBarShows::Submenu : TMenuBarShows::Entry;
        if (sub) g_object_unref(sub);
    }
    g_object_unref(model);
    return shows;
}

} // namespace kw::platform::gtk
