// NewMenuBar: GMenu sections from the item tree, one GAction per entry.
#include "kwgfx/platform/windowing/gtk/GtkMenuBar.h"

#include "kwgfx/platform/controls/MenuItem.h"

#include <gtk/gtk.h>

#include <string>

namespace kw::platform::gtk {

namespace {

// Adds Parent's visible children to Menu, breaking sections at separator lines.
void AddEntries(GMenu* Menu, TMenuItem& Parent, GSimpleActionGroup* Actions, int& Next) {
    GMenu* section = g_menu_new();
    const auto closeSection = [&] {
        if (g_menu_model_get_n_items(G_MENU_MODEL(section)) > 0)
            g_menu_append_section(Menu, nullptr, G_MENU_MODEL(section));
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
        if (item->Count() > 0) {
            GMenu* sub = g_menu_new();
            AddEntries(sub, *item, Actions, Next);
            g_menu_append_submenu(section, item->Caption.c_str(), G_MENU_MODEL(sub));
            g_object_unref(sub);
            continue;
        }
        const std::string name = "item" + std::to_string(Next++);
        GSimpleAction* action = g_simple_action_new(name.c_str(), nullptr);
        g_signal_connect(action, "activate",
                         G_CALLBACK(+[](GSimpleAction*, GVariant*, gpointer Item) {
                             static_cast<TMenuItem*>(Item)->Click();
                         }),
                         item);
        g_action_map_add_action(G_ACTION_MAP(Actions), G_ACTION(action));
        g_object_unref(action);
        g_menu_append(section, item->Caption.c_str(), ("kwmenu." + name).c_str());
    }
    closeSection();
}

} // namespace

GtkWidget* NewMenuBar(TMenuItem& Root) {
    GMenu* menu = g_menu_new();
    GSimpleActionGroup* actions = g_simple_action_group_new();
    int next = 0;
    for (int i = 0; i < Root.Count(); ++i) {
        TMenuItem* top = Root.Items(i);
        if (!top->Visible || top->IsLine()) continue;
        GMenu* sub = g_menu_new();
        AddEntries(sub, *top, actions, next);
        g_menu_append_submenu(menu, top->Caption.c_str(), G_MENU_MODEL(sub));
        g_object_unref(sub);
    }
    GtkWidget* bar = gtk_popover_menu_bar_new_from_model(G_MENU_MODEL(menu));
    gtk_widget_insert_action_group(bar, "kwmenu", G_ACTION_GROUP(actions));
    g_object_unref(actions);
    g_object_unref(menu);
    return bar;
}

} // namespace kw::platform::gtk
