// SPDX-License-Identifier: MIT
// render_icons: SVG path data from files to PNG icons.
//
//   render_icons [--color COLOUR] [--size N]... [-o DIR] FILE...
//
// Each FILE holds the path data of one icon (the `d` attribute of an SVG <path>), on one
// line or several. Every icon is drawn at each size (16, 32 and 64 unless --size says
// otherwise) into DIR/<name>-<size>.png: fitted to the icon by its drawn geometry, centred,
// anti-aliased, on a transparent background, in COLOUR (#1E88E5 unless --color says
// otherwise; any form ParseColor reads). Path data with an error is reported as
// FILE:LINE:COLUMN, drawn up to the error as a browser would, and the program ends with
// status 1 once all files are done.

// [README: Render an icon]
#include <kwgfx/KwGraphics.h>
#include <kwgfx/backends/cairo/Bitmap.h>

kw::TKwSvgPathResult RenderIcon(std::string_view PathData, int Size, kw::TColor Color,
                                const std::string& PngFile) {
    kw::platform::TBitmap icon(Size, Size, kw::platform::TRGBA::Transparent);
    kw::TKwSvgFillOptions fill; // nonzero, no outline, anti-aliased, SVG pixel edges
    fill.Color = Color;
    fill.FitInto = kw::TKwRect(0, 0, Size, Size); // tight bounds, proportions kept, centred
    const kw::TKwSvgPathResult result = kw::FillSvgPath(icon.Canvas(), PathData, fill);
    icon.SaveToFile(PngFile);
    return result;
}
// [README end]

#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TLineColumn {
    std::size_t Line = 1;
    std::size_t Column = 1;
};

// The line and column (both from 1) of the Position-th character (from 1) of Text, counting
// characters as the reader does: one per UTF-8 code point.
TLineColumn LineColumnOf(std::string_view Text, std::size_t Position) {
    TLineColumn at;
    std::size_t character = 1;
    for (std::size_t i = 0; i < Text.size() && character < Position; ++i) {
        const unsigned char c = static_cast<unsigned char>(Text[i]);
        if ((c & 0xC0) == 0x80) continue; // continuation byte: same character
        ++character;
        if (c == '\n') {
            ++at.Line;
            at.Column = 1;
        } else {
            ++at.Column;
        }
    }
    return at;
}

std::string ReadFile(const std::string& Name) {
    std::ifstream in(Name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + Name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// An icon side from 1 to 4096 pixels.
int ParseSize(std::string_view Text) {
    int size = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), size);
    if (error != std::errc() || end != Text.data() + Text.size() || size < 1 || size > 4096)
        throw std::runtime_error("bad size '" + std::string(Text) +
                                 "': a whole number from 1 to 4096");
    return size;
}

int Usage() {
    std::fprintf(stderr, "usage: render_icons [--color COLOUR] [--size N]... [-o DIR] FILE...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    kw::TColor color = kw::platform::RGB(0x1E, 0x88, 0xE5);
    std::vector<int> sizes;
    std::filesystem::path outDir = ".";
    std::vector<std::string> files;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            const bool hasValue = i + 1 < argc;
            if (arg == "--color" && hasValue)
                color = kw::platform::ParseColor(argv[++i]);
            else if (arg == "--size" && hasValue)
                sizes.push_back(ParseSize(argv[++i]));
            else if (arg == "-o" && hasValue)
                outDir = argv[++i];
            else if (!arg.empty() && arg[0] != '-')
                files.push_back(arg);
            else
                return Usage();
        }
        if (files.empty()) return Usage();
        if (sizes.empty()) sizes = {16, 32, 64};
        std::filesystem::create_directories(outDir);

        int status = 0;
        for (const std::string& file : files) {
            const std::string data = ReadFile(file);
            const std::string name = std::filesystem::path(file).stem().string();
            kw::TKwSvgPathResult read;
            for (int size : sizes) {
                const std::string png = name + "-" + std::to_string(size) + ".png";
                read = RenderIcon(data, size, color, (outDir / png).string());
            }
            if (read) {
                std::printf("%s: %zu icons\n", name.c_str(), sizes.size());
            } else {
                const TLineColumn at = LineColumnOf(data, read.Position);
                std::fprintf(stderr, "%s:%zu:%zu: error: %s\n", file.c_str(), at.Line, at.Column,
                             read.Message.c_str());
                status = 1;
            }
        }
        return status;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render_icons: %s\n", e.what());
        return 1;
    }
}
