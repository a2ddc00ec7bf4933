// SPDX-License-Identifier: MIT
#pragma once
// The arguments of the `gallery` command:
//   [DIR] [--format png|pdf|svg|ps] [--antialias] [--no-labels]

#include "PictureOutput.h"
#include "ToolCommands.h"

#include <filesystem>

namespace kwtool {

struct TGalleryOptions {
    std::filesystem::path Folder = "gallery";
    TPictureFormat Format = TPictureFormat::Png;
    // Bitmap pages drawn anti-aliased (vector pages are exact anyway).
    bool Antialias = false;
    // Page titles and the labels under the cells; without them a page shows its figures
    // alone, for comparing the figures of two renderings apart from their text.
    bool Labels = true;
};

// A second folder, an unknown option or format: ToolError.
TGalleryOptions ReadGalleryOptions(TArgs Args);

} // namespace kwtool
