// kwgfx info: what the library makes of a path text.

#include "PathLoading.h"
#include "ToolArgs.h"
#include "ToolCommands.h"

#include <kwgfx/platform/NumberText.h>

#include <cstdio>

namespace kwtool {

int RunInfo(TArgs Args) {
    TArgScanner scanner(Args);
    TPathSource source;
    while (!scanner.AtEnd()) {
        const std::string_view arg = scanner.Next();
        if (!source.Take(arg, scanner))
            throw ToolError("unknown option '" + std::string(arg) + "'");
    }
    kw::TKwPathData path;
    LoadPath(path, source.Read());

    using kw::platform::FloatToStr;
    const kw::TKwRect b = path.GetBounds();
    std::printf("entries: %d\n", path.Count());
    std::printf("bounds: %s %s %s %s\n", FloatToStr(b.Left).c_str(), FloatToStr(b.Top).c_str(),
                FloatToStr(b.Right).c_str(), FloatToStr(b.Bottom).c_str());
    std::printf("tight bounds: %s\n", TightBoundsText(path).c_str());
    std::printf("text: %s\n", path.GetPathString().c_str());
    std::printf("polygons: %zu\n", path.ToPolygons().size());
    return 0;
}

} // namespace kwtool
