// SPDX-License-Identifier: MIT
// Path text of the command line into a path.

#include "PathLoading.h"

#include <charconv>
#include <cstdio>

namespace kwtool {

std::string LoadPath(kw::TKwPathData& Path, std::string_view Text, bool Compat) {
    if (Compat) {
        Path.SetPathString(Text);
        return {};
    }
    const kw::TKwSvgPathResult r = Path.SetSvgPathString(Text);
    if (r) return {};
    std::string problem = "path text error at character " + std::to_string(r.Position);
    if (!r.Text.empty()) problem += " ('" + r.Text + "')";
    return problem + ": " + r.Message + "; using the commands before it";
}

void WarnAboutPathText(const std::string& Problem) {
    if (Problem.empty()) return;
    std::string line = Problem;
    for (char& ch : line)
        if (ch == '\n' || ch == '\r') ch = ' ';
    std::fprintf(stderr, "kwgfx: warning: %s\n", line.c_str());
}

std::string RectText(const kw::TKwRect& R) {
    std::string text;
    for (float v : {R.Left, R.Top, R.Right, R.Bottom}) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
        if (!text.empty()) text += ' ';
        text.append(buffer, end);
    }
    return text;
}

std::string TightBoundsText(const kw::TKwPathData& Path) {
    const kw::TKwRect b = Path.GetTightBounds();
    if (b.Left == 0 && b.Top == 0 && b.Right == 0 && b.Bottom == 0) return "none";
    return RectText(b);
}

} // namespace kwtool
