// SPDX-License-Identifier: MIT
// Reading the gallery command's arguments.

#include "GalleryOptions.h"

#include "ToolArgs.h"

#include <string>

namespace kwtool {

TGalleryOptions ReadGalleryOptions(TArgs Args) {
    TGalleryOptions options;
    TArgScanner scanner(Args);
    bool folderGiven = false;
    while (!scanner.AtEnd()) {
        const std::string_view arg = scanner.Next();
        if (arg == "--format") {
            options.Format = ParseFormat(scanner.ValueOf(arg));
        } else if (arg == "--antialias") {
            options.Antialias = true;
        } else if (arg == "--no-labels") {
            options.Labels = false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw ToolError("unknown option '" + std::string(arg) + "'");
        } else if (folderGiven) {
            throw ToolError("takes at most one output folder");
        } else {
            options.Folder = std::filesystem::path(arg);
            folderGiven = true;
        }
    }
    return options;
}

} // namespace kwtool
