// SPDX-License-Identifier: MIT
#pragma once
// What the command line of render, info and demo asks for, read without running anything:
// the commands call these first, and the argument fuzz target calls them alone. Every
// failure throws ToolError with a message for the user.

#include "ToolArgs.h"
#include "ToolCommands.h"

#include <kwgfx/path/KwPathBoolean.h>
#include <kwgfx/path/KwPathPoint.h>
#include <kwgfx/path/KwStrokeStyle.h>
#include <kwgfx/platform/graphics/Colors.h>
#include <kwgfx/platform/graphics/Types.h>

#include <optional>
#include <string>
#include <vector>

namespace kwtool {

struct TRenderOptions {
    std::string Output;
    kw::platform::TSize Size{256, 256};
    bool Fit = false;
    bool Compat = false;
    bool Antialias = false;
    std::optional<kw::platform::TColor> Fill;
    std::optional<kw::platform::TColor> Stroke;
    std::optional<kw::platform::TColor> Background;
    // SVG's default rule; holes drawn by inner figures stay open under either rule when
    // the icon was made for it.
    kw::TKwFillMode FillRule = kw::fmNonZero;
    bool FillGiven = false;
    bool StrokeGiven = false;
    // The stroke's geometry: it is drawn by filling its outline (KwStrokeOutline).
    float StrokeWidth = 1;
    kw::TKwLineJoin Join = kw::ljMiter;
    kw::TKwLineCap Cap = kw::lcButt;
    std::vector<float> Dashes;
    // --outline: the stroke's outline replaces the path and is filled like one.
    bool Outline = false;
    // --op with --with: the path is replaced by Op of it and the second path's text.
    std::optional<kw::TKwPathOp> Op;
    std::string With;
};

// The options of render; the path text's source goes to Source. An output file is
// required; with no colour given at all, the path is filled black. --op and --with come
// together.
TRenderOptions ReadRenderOptions(TArgs Args, TPathSource& Source);

struct TInfoOptions {
    bool Compat = false;
};

// The options of info; the path text's source goes to Source.
TInfoOptions ReadInfoOptions(TArgs Args, TPathSource& Source);

struct TDemoOptions {
    std::string Page;       // a page's number or file name, as given; empty: the first page
    std::string Search;     // the search box's text at start
    std::string Screenshot; // when given, one picture of the window to this file, then out
    kw::platform::TSize Size{1200, 720}; // the window's size, each side at most MaxPictureSide
    bool Labels = true;
};

// The options of demo. The page is checked against the gallery's pages by the command.
TDemoOptions ReadDemoOptions(TArgs Args);

} // namespace kwtool
