// SPDX-License-Identifier: MIT
// kwgfx: the library's command-line program, a small dispatcher over the commands in
// ToolCommands.h.

#include "InputLimit.h"
#include "ToolCommands.h"
#include "gallery/Gallery.h"
#include "kwgfx/backends/cairo/CairoStaticData.h"
#ifdef KWGFX_HAVE_GTK
#include "kwgfx/backends/gtk/GtkPlatform.h"
#endif

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace kwtool {
namespace {

// One row per command; keep the list in the order the help shows it.
constexpr TToolCommand kCommands[] = {
    {"render",
     "<path text | @file | --file F | -> -o out.png|.pdf|.svg|.ps [--size WxH] [--fit]\n"
     "        [--fill COLOR] [--fill-rule nonzero|evenodd]\n"
     "        [--stroke COLOR] [--stroke-width W] [--join miter|round|bevel]\n"
     "        [--cap butt|round|square] [--dash 4,2] [--outline]\n"
     "        [--op union|intersection|difference|xor --with PATHTEXT]\n"
     "        [--background COLOR] [--antialias] [--compat]",
     "draw path text into a picture (PNG, or PDF, SVG, PostScript by the extension)", RunRender},
    {"info", "<path text | @file | --file F | -> [--compat]",
     "print entry count, bounds, normalised text, polygon count and length of path text", RunInfo},
    {"gallery", "[DIR] [--format png|pdf|svg|ps] [--antialias] [--no-labels]",
     "draw one labelled page per family of drawing routines and an index page (default gallery/)",
     RunGallery},
    {"tour", "", "print a short tour of the geometry API", RunTour},
#ifdef KWGFX_HAVE_GTK
    {"demo",
     "[--page N|NAME] [--search CLASS] [--size WxH] [--no-labels]\n"
     "        [--screenshot out.png]",
     "show the gallery pages live in a window, with menus, hints and help (needs a display)",
     RunDemo},
#endif
};

void PrintHelp(std::FILE* Out) {
    std::fprintf(Out, "usage: kwgfx <command> [arguments]\n       kwgfx --version\n\ncommands:\n");
    for (const TToolCommand& c : kCommands)
        std::fprintf(Out, "  %-8.*s %.*s\n", int(c.Name.size()), c.Name.data(),
                     int(c.Summary.size()), c.Summary.data());
    std::fprintf(Out, "\n");
    for (const TToolCommand& c : kCommands)
        std::fprintf(Out, "kwgfx %.*s %.*s\n", int(c.Name.size()), c.Name.data(),
                     int(c.Usage.size()), c.Usage.data());
    std::fprintf(Out,
                 "\nPath text is SVG path data; --compat reads the library's lenient path text.\n"
                 "Colours are names such as red, clRed or clBtnFace, #RRGGBB, or none.\n"
                 "Path text (an argument, a file or standard input) is read up to %s;\n"
                 "past that the command fails. %s=N sets another limit in bytes.\n",
                 LimitText(DefaultInputLimit).c_str(), InputLimitVariable);
}

// Messages go out on one line whatever they contain.
void PrintError(std::string Message) {
    for (char& ch : Message)
        if (ch == '\n' || ch == '\r') ch = ' ';
    std::fprintf(stderr, "kwgfx: %s\n", Message.c_str());
}

int Dispatch(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        PrintHelp(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("kwgfx %s\n", KWGFX_VERSION);
        return 0;
    }
    for (const TToolCommand& c : kCommands) {
        if (c.Name != name) continue;
        const std::vector<std::string_view> args(argv + 2, argv + argc);
        return c.Run(args);
    }
    PrintError("unknown command '" + std::string(name) + "' (try kwgfx help)");
    return 2;
}

} // namespace
} // namespace kwtool

int main(int argc, char** argv) {
    int status = 1;
    try {
        status = kwtool::Dispatch(argc, argv);
    } catch (const std::exception& e) {
        kwtool::PrintError(e.what());
    } catch (...) {
        kwtool::PrintError("unexpected failure");
    }
    // Every bitmap is gone by now; releasing the font caches lets leak checkers of
    // sanitizer builds see a clean exit. Not once GTK was asked to start, even when it found
    // no display: it keeps Cairo fonts of its own, and its threads may still hold
    // fontconfig's caches (releasing them then fails an assertion inside fontconfig).
#ifdef KWGFX_HAVE_GTK
    if (kw::platform::gtk::PlatformReady()) return status;
    if (argc > 1 && std::string_view(argv[1]) == "demo") return status;
#endif
    kw::platform::ReleaseCairoStaticData();
    return status;
}
