// SPDX-License-Identifier: MIT
// The `demo` command (built with GTK only): the gallery's pages painted live in a window
// by the library's canvas, with a menu bar made by CreateMenuItemChildren, a class tree
// filled by CreateHierarchy with a search box (FindTextInTreeView), a grid of the pages
// sorted by SortGrid when a header is clicked, hints from TKwHintWindow when the pointer
// rests on the picture, and Help > Contents going through DisplayHelpWindow to a real
// message dialog.
//
//   TDemo         the window's state: pages, menu items, tree, grid, hint window, timer;
//                 its destructor takes the window down, on every way out
//   BuildMenu     File / Page / Help from string lists, a handler bound to each item
//   BuildSide     the class tree with its search box, the grid of pages
//   DrawPage      the chosen page scaled to the drawing area
//   RunDemo       options, the window, the message loop (or one screenshot)

#include "CommandLine.h"
#include "ToolCommands.h"
#include "gallery/GalleryPages.h"

#include <kwgfx/KwHintWindow.h>
#include <kwgfx/backends/cairo/Bitmap.h>
#include <kwgfx/backends/cairo/CairoCanvas.h>
#include <kwgfx/backends/gtk/GtkGridView.h>
#include <kwgfx/backends/gtk/GtkMenuBar.h>
#include <kwgfx/backends/gtk/GtkMessageDialog.h>
#include <kwgfx/backends/gtk/GtkPlatform.h>
#include <kwgfx/backends/gtk/GtkTreeList.h>
#include <kwgfx/platform/controls/StringGrid.h>
#include <kwgfx/platform/controls/TreeView.h>
#include <kwgfx/platform/system/ClassRegistry.h>
#include <kwgfx/platform/windowing/Application.h>
#include <kwgfx/platform/windowing/Timer.h>
#include <kwgfx/ui/KwClassHierarchy.h>
#include <kwgfx/ui/KwGridSort.h>
#include <kwgfx/ui/KwHelpWindow.h>
#include <kwgfx/ui/KwMenuHelpers.h>
#include <kwgfx/ui/KwTreeSearch.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kwtool {

namespace {

using namespace kwtool::gallery;
using kw::platform::TMenuItem;
using kw::platform::TObject;
namespace kg = kw::platform::gtk;

// Everything the window's handlers reach, in one place; they hold a pointer to it, so it
// stays where it was made.
struct TDemo {
    TDemo() = default;
    TDemo(const TDemo&) = delete;
    TDemo& operator=(const TDemo&) = delete;
    // Windows go before the objects their handlers use; the members follow.
    ~TDemo() {
        if (!Window) return;
        kg::SetMainWindow(nullptr);
        Hint.reset();
        Hover.reset();
        gtk_window_destroy(GTK_WINDOW(Window));
        kg::IterateUntil([] { return false; }, 50);
    }

    kw::platform::TBitmap SampleImage{48, 32};
    std::vector<TGalleryPage> Pages;
    size_t Current = 0;
    bool Labels = true;
    TMenuItem Menu;
    kw::platform::TTreeView Classes;
    kw::platform::TStringGrid Grid{4, 2};
    GtkWidget* Window = nullptr;
    GtkWidget* Content = nullptr; // the window's child: menu bar, side and picture
    GtkWidget* Area = nullptr;
    GtkWidget* Tree = nullptr; // the class tree the search box selects in
    std::unique_ptr<kw::TKwHintWindow> Hint;
    std::unique_ptr<kw::platform::TTimer> Hover;
    double PointerX = 0, PointerY = 0;
};

void ShowPage(TDemo& Demo, size_t Index) {
    Demo.Current = std::min(Index, Demo.Pages.size() - 1);
    const std::string title = "kwgfx demo: " + Demo.Pages[Demo.Current].Title();
    gtk_window_set_title(GTK_WINDOW(Demo.Window), title.c_str());
    gtk_widget_queue_draw(Demo.Area);
}

// One menu entry: its caption and what choosing it does (nothing for a "-" line).
using TMenuEntry = std::pair<std::string, kw::TNotifyEvent>;

// A menu of the bar with one item per entry, made from the captions by
// CreateMenuItemChildren; each item then gets its own entry's handler, so that what an
// item does never depends on its caption.
void AddMenu(TMenuItem& Bar, std::string Caption, const std::vector<TMenuEntry>& Entries,
             bool Numbered) {
    TMenuItem* menu = Bar.Add(std::make_unique<TMenuItem>(std::move(Caption)));
    kw::TStringList captions;
    for (const TMenuEntry& entry : Entries) captions.Add(entry.first);
    kw::CreateMenuItemChildren(menu, captions, nullptr, Numbered);
    for (int i = 0; i < menu->Count(); ++i) menu->Items(i)->OnClick = Entries[size_t(i)].second;
}

void BuildMenu(TDemo& Demo) {
    AddMenu(Demo.Menu, "File",
            {{"Labels on/off",
              [&Demo](TObject*) {
                  Demo.Labels = !Demo.Labels;
                  gtk_widget_queue_draw(Demo.Area);
              }},
             {"-", nullptr},
             {"Quit", [](TObject*) { kw::platform::Application().MessageLoop().Terminate(); }}},
            false);
    // Numbered captions ("3 Arrows ...") show the page's index.
    std::vector<TMenuEntry> pages;
    for (size_t i = 0; i < Demo.Pages.size(); ++i)
        pages.emplace_back(Demo.Pages[i].Title(), [&Demo, i](TObject*) { ShowPage(Demo, i); });
    AddMenu(Demo.Menu, "Page", pages, true);
    AddMenu(Demo.Menu, "Help",
            {{"Contents", [](TObject*) { kw::DisplayHelpWindow("kwgfx.chm", ""); }}}, false);
}

// The classes of the user-interface half: the controls are registered, so they hang
// below their registered parents; the rest come from "name=parent" lines.
constexpr kw::platform::TClassRecord TControlClass{"TControl", &kw::platform::TComponentClass};
constexpr kw::platform::TClassRecord TCustomControlClass{"TCustomControl", &TControlClass};
constexpr kw::platform::TClassRecord THintWindowClass{"THintWindow", &TCustomControlClass};
constexpr kw::platform::TClassRecord TKwHintWindowClass{"TKwHintWindow", &THintWindowClass};
constexpr kw::platform::TClassRecord TTimerClass{"TTimer", &kw::platform::TComponentClass};

GtkWidget* Scrolled(GtkWidget* Child) {
    GtkWidget* scrolled = gtk_scrolled_window_new();
    gtk_scrolled_window_set_child(GTK_SCROLLED_WINDOW(scrolled), Child);
    gtk_widget_set_vexpand(scrolled, TRUE);
    return scrolled;
}

// The node named by the search text (SameText), else the first that starts with it.
void SearchChanged(GtkSearchEntry* Entry, gpointer D) {
    auto& demo = *static_cast<TDemo*>(D);
    const std::string text = gtk_editable_get_text(GTK_EDITABLE(Entry));
    kw::TTreeNode* node = kw::FindTextInTreeView(demo.Classes, text);
    if (!node && !text.empty())
        node = kw::FindTreeNode(demo.Classes, text, false, kw::platform::csoStartsWith);
    kg::SelectTreeNode(demo.Tree, node);
}

GtkWidget* BuildSide(TDemo& Demo, const std::string& Search) {
    for (auto c : {&TControlClass, &TCustomControlClass, &THintWindowClass, &TKwHintWindowClass,
                   &TTimerClass})
        kw::platform::RegisterClass(c);
    kw::CreateHierarchy(
        kw::TStringList{"TControl=", "TCustomControl=", "THintWindow=", "TKwHintWindow=", "TTimer=",
                        "TPersistent=", "TComponent=", "TStrings=TPersistent",
                        "TStringList=TStrings", "TGraphic=TPersistent", "TBitmap=TGraphic",
                        "TCanvas=TPersistent", "TFont=TPersistent", "TMenuItem=TComponent",
                        "TStringGrid=TCustomControl", "TTreeView=TCustomControl",
                        "EConvertError=Exception", "ERangeError=Exception"},
        Demo.Classes);
    Demo.Tree = kg::NewTreeList(Demo.Classes);
    GtkWidget* search = gtk_search_entry_new();
    g_signal_connect(search, "search-changed", G_CALLBACK(SearchChanged), &Demo);

    // The pages in a grid: number, title, file, width; numbers sort as numbers.
    Demo.Grid.SetRowCount(int(Demo.Pages.size()) + 1);
    Demo.Grid.SetFixedRows(1);
    const char* titles[] = {"#", "Page", "File", "Width"};
    for (int col = 0; col < 4; ++col) Demo.Grid.SetCells(col, 0, titles[col]);
    for (size_t i = 0; i < Demo.Pages.size(); ++i) {
        const int row = int(i) + 1;
        Demo.Grid.SetCells(0, row, std::to_string(i));
        Demo.Grid.SetCells(1, row, Demo.Pages[i].Title());
        Demo.Grid.SetCells(2, row, Demo.Pages[i].FileName());
        Demo.Grid.SetCells(3, row, std::to_string(Demo.Pages[i].Width()));
    }
    GtkWidget* grid = kg::NewGridView(Demo.Grid, [&Demo](int Column, bool Ascending) {
        kw::SortGrid(Demo.Grid, Column, false, Column == 0 || Column == 3, Ascending);
    });

    GtkWidget* side = gtk_box_new(GTK_ORIENTATION_VERTICAL, 4);
    gtk_box_append(GTK_BOX(side), search);
    gtk_box_append(GTK_BOX(side), Scrolled(Demo.Tree));
    gtk_box_append(GTK_BOX(side), Scrolled(grid));
    gtk_widget_set_size_request(side, 320, -1);
    if (!Search.empty()) {
        gtk_editable_set_text(GTK_EDITABLE(search), Search.c_str());
        SearchChanged(GTK_SEARCH_ENTRY(search), &Demo);
    }
    return side;
}

// The page keeps its proportions, scaled to fit the area and centred in it.
void DrawPage(TDemo& Demo, cairo_t* Context, int Width, int Height) {
    const TGalleryPage& page = Demo.Pages[Demo.Current];
    cairo_set_source_rgb(Context, 1, 1, 1);
    cairo_paint(Context);
    const double scale = std::min(double(Width) / page.Width(), double(Height) / page.Height());
    cairo_save(Context);
    cairo_translate(Context, (Width - page.Width() * scale) / 2,
                    (Height - page.Height() * scale) / 2);
    cairo_scale(Context, scale, scale);
    {
        kw::platform::TCairoCanvas canvas(Context);
        canvas.SetAntialias(true);
        page.Draw(canvas, Demo.Labels);
    }
    cairo_restore(Context);
}

// A pointer that rests on the picture for half a second gets a hint with the page's
// name; moving on hides it.
void WatchPointer(TDemo& Demo) {
    Demo.Hint = std::make_unique<kw::TKwHintWindow>(nullptr);
    Demo.Hint->SetInterval(2500);
    Demo.Hover = std::make_unique<kw::platform::TTimer>(nullptr);
    Demo.Hover->SetEnabled(false);
    Demo.Hover->SetInterval(500);
    Demo.Hover->OnTimer = [&Demo](TObject*) {
        Demo.Hover->SetEnabled(false);
        // Hint coordinates are those of the main window's content.
        graphene_point_t at;
        const graphene_point_t from =
            GRAPHENE_POINT_INIT(float(Demo.PointerX), float(Demo.PointerY));
        GtkWidget* content = gtk_window_get_child(GTK_WINDOW(Demo.Window));
        if (!gtk_widget_compute_point(Demo.Area, content, &from, &at)) return;
        const TGalleryPage& page = Demo.Pages[Demo.Current];
        Demo.Hint->ActivateHint(kw::platform::TPoint(int(at.x) + 12, int(at.y) + 18),
                                page.Title() + " (" + page.FileName() + ")");
    };
    GtkEventController* motion = gtk_event_controller_motion_new();
    g_signal_connect(motion, "motion",
                     G_CALLBACK(+[](GtkEventControllerMotion*, double X, double Y, gpointer D) {
                         auto& demo = *static_cast<TDemo*>(D);
                         if (std::abs(X - demo.PointerX) < 2 && std::abs(Y - demo.PointerY) < 2)
                             return;
                         demo.PointerX = X;
                         demo.PointerY = Y;
                         demo.Hint->HideHint();
                         demo.Hover->SetEnabled(false);
                         demo.Hover->SetEnabled(true);
                     }),
                     &Demo);
    g_signal_connect(motion, "leave", G_CALLBACK(+[](GtkEventControllerMotion*, gpointer D) {
                         auto& demo = *static_cast<TDemo*>(D);
                         demo.Hover->SetEnabled(false);
                         demo.Hint->HideHint();
                     }),
                     &Demo);
    gtk_widget_add_controller(Demo.Area, motion);
}

// The page that --page names by its file name (with or without ".png") or its number.
size_t PageArgument(const std::vector<TGalleryPage>& Pages, std::string_view Text) {
    for (size_t i = 0; i < Pages.size(); ++i)
        if (Pages[i].FileName() == Text || Pages[i].FileName() == std::string(Text) + ".png")
            return i;
    if (const std::optional<int> index = ParseWholeNumber(Text);
        index && *index >= 0 && size_t(*index) < Pages.size())
        return size_t(*index);
    throw ToolError("no page '" + std::string(Text) + "' (a number from 0 to " +
                    std::to_string(Pages.size() - 1) + " or a page's file name)");
}

} // namespace

int RunDemo(TArgs Args) {
    // The command line and the page are checked before a display is needed.
    const TDemoOptions options = ReadDemoOptions(Args);
    TDemo demo;
    PaintSampleImage(demo.SampleImage);
    demo.Pages = AllPages(demo.SampleImage);
    if (!options.Page.empty()) demo.Current = PageArgument(demo.Pages, options.Page);
    demo.Labels = options.Labels;
    std::string error;
    if (!kg::InitPlatform(&error)) throw ToolError("demo: " + error);

    kg::InstallMessageDialogs();
    demo.Window = gtk_window_new();
    gtk_window_set_default_size(GTK_WINDOW(demo.Window), options.Size.cx, options.Size.cy);
    g_signal_connect(demo.Window, "close-request",
                     G_CALLBACK(+[](GtkWindow*, gpointer) -> gboolean {
                         kw::platform::Application().MessageLoop().Terminate();
                         return FALSE;
                     }),
                     nullptr);
    demo.Area = gtk_drawing_area_new();
    gtk_widget_set_hexpand(demo.Area, TRUE);
    gtk_widget_set_vexpand(demo.Area, TRUE);
    gtk_drawing_area_set_draw_func(
        GTK_DRAWING_AREA(demo.Area),
        [](GtkDrawingArea*, cairo_t* Cr, int W, int H, gpointer D) {
            DrawPage(*static_cast<TDemo*>(D), Cr, W, H);
        },
        &demo, nullptr);
    BuildMenu(demo);
    demo.Content = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_box_append(GTK_BOX(demo.Content), kg::NewMenuBar(demo.Menu));
    GtkWidget* paned = gtk_paned_new(GTK_ORIENTATION_HORIZONTAL);
    gtk_paned_set_start_child(GTK_PANED(paned), BuildSide(demo, options.Search));
    gtk_paned_set_end_child(GTK_PANED(paned), demo.Area);
    gtk_paned_set_shrink_start_child(GTK_PANED(paned), FALSE);
    gtk_paned_set_position(GTK_PANED(paned), 320);
    gtk_box_append(GTK_BOX(demo.Content), paned);
    gtk_window_set_child(GTK_WINDOW(demo.Window), demo.Content);
    kg::SetMainWindow(GTK_WINDOW(demo.Window));
    WatchPointer(demo);
    ShowPage(demo, demo.Current);
    gtk_window_present(GTK_WINDOW(demo.Window));

    if (options.Screenshot.empty()) {
        kw::platform::Application().MessageLoop().Run();
        return 0;
    }
    // One picture of the whole window as GTK shows it, then out (TDemo takes the window
    // down, also when the picture cannot be taken or saved).
    kw::platform::TBitmap shot;
    if (!kg::IterateUntil([&] { return kg::SnapshotWidget(demo.Content, shot); }, 10000))
        throw ToolError("demo: the window did not appear");
    shot.SaveToFile(options.Screenshot);
    std::printf("%s\n", options.Screenshot.c_str());
    return 0;
}

} // namespace kwtool
