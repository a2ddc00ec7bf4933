// kwgfx info: what the library makes of a path text.

#include "PathLoading.h"
#include "ToolArgs.h"
#include "ToolCommands.h"

#include <cstdio>

namespace kwtool {

int RunInfo(TArgs Args) {
    TArgScanner scanner(Args);
    TPathSource source;
    bool compat = false;
    while (!scanner.AtEnd()) {
        const std::string_view arg = scanner.Next();
        if (arg == "--compat")
            compat = true;
        else if (!source.Take(arg, scanner))
            throw ToolError("unknown option '" + std::string(arg) + "'");
    }
    kw::TKwPathData path;
    WarnAboutPathText(LoadPath(path, source.Read(), compat));

    std::printf("entries: %d\n", path.Count());
    std::printf("bounds: %s\n", RectText(path.GetBounds()).c_str());
    std::printf("tight bounds: %s\n", TightBoundsText(path).c_str());
    std::printf("text: %s\n", path.GetPathString().c_str());
    std::printf("polygons: %zu\n", path.ToPolygons().size());
    return 0;
}

} // namespace kwtool
