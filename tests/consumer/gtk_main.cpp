// SPDX-License-Identifier: MIT
// A program of windows outside the library's tree, built against an installed copy with the
// GTK library: its headers and GTK's must compile together, and it must link and start.
// Without a display (as the install test runs it) it says so and succeeds; with one it
// builds a menu bar from menu items and reads back the submenu its item opens.
#include <kwgfx/KwVclHelperFunctions.h>
#include <kwgfx/backends/gtk/GtkMenuBar.h>
#include <kwgfx/backends/gtk/GtkPlatform.h>
#include <kwgfx/platform/controls/MenuItem.h>
// The include path of the previous release, forwarding to backends/gtk.
#include <kwgfx/platform/windowing/gtk/GtkLoopHost.h>

#include <gtk/gtk.h>

#include <cstdio>
#include <memory>
#include <string>

int main() {
    namespace kg = kw::platform::gtk;
    kw::platform::TMenuItem root;
    kw::platform::TMenuItem* file = root.Add(std::make_unique<kw::platform::TMenuItem>("File"));
    file->Add(std::make_unique<kw::platform::TMenuItem>("Quit"));
    std::string error;
    if (!kg::InitPlatform(&error)) {
        std::printf("gtk consumer: no display (%s)\n", error.c_str());
        return 0;
    }
    GtkWidget* bar = kg::NewMenuBar(root);
    g_object_ref_sink(bar);
    const bool ok =
        kg::MenuBarShows(bar, *file) == kg::TMenuBarShows::Submenu && kw::IsSubmenuVisible(file);
    g_object_unref(bar);
    std::printf("gtk consumer: %s\n", ok ? "menu bar built" : "wrong menu");
    return ok ? 0 : 1;
}
