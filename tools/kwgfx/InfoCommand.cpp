// SPDX-License-Identifier: MIT
// kwgfx info: what the library makes of a path text.

#include "CommandLine.h"
#include "PathLoading.h"

#include <kwgfx/path/KwPathMeasure.h>

#include <cstdio>

namespace kwtool {

int RunInfo(TArgs Args) {
    TPathSource source;
    const TInfoOptions o = ReadInfoOptions(Args, source);
    kw::TKwPathData path;
    WarnAboutPathText(LoadPath(path, source.Read(), o.Compat));

    std::printf("entries: %d\n", path.Count());
    std::printf("bounds: %s\n", RectText(path.GetBounds()).c_str());
    std::printf("tight bounds: %s\n", TightBoundsText(path).c_str());
    std::printf("text: %s\n", path.GetPathString().c_str());
    std::printf("polygons: %zu\n", path.ToPolygons().size());
    std::printf("length: %.9g\n", kw::KwPathLength(path));
    return 0;
}

} // namespace kwtool
