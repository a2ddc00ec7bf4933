// Path text of the command line into a path.

#include "PathLoading.h"

#include <kwgfx/path/KwPathTightBounds.h>
#include <kwgfx/platform/NumberText.h>

namespace kwtool {

void LoadPath(kw::TKwPathData& Path, std::string_view Text) {
    Path.SetPathString(Text);
}

std::string TightBoundsText(const kw::TKwPathData& Path) {
    const kw::TKwRect b = kw::TightBounds(Path.Entries());
    if (b.Left == 0 && b.Top == 0 && b.Right == 0 && b.Bottom == 0) return "none";
    using kw::platform::FloatToStr;
    return FloatToStr(b.Left) + " " + FloatToStr(b.Top) + " " + FloatToStr(b.Right) + " " +
           FloatToStr(b.Bottom);
}

} // namespace kwtool
