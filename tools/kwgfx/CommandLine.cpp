// SPDX-License-Identifier: MIT
// Reading the command lines of render, info and demo.

#include "CommandLine.h"

namespace kwtool {

TRenderOptions ReadRenderOptions(TArgs Args, TPathSource& Source) {
    TArgScanner scanner(Args);
    TRenderOptions o;
    while (!scanner.AtEnd()) {
        const std::string_view arg = scanner.Next();
        if (arg == "-o" || arg == "--output") {
            o.Output = std::string(scanner.ValueOf(arg));
        } else if (arg == "--size") {
            o.Size = ParseSize(scanner.ValueOf(arg));
        } else if (arg == "--fit") {
            o.Fit = true;
        } else if (arg == "--compat") {
            o.Compat = true;
        } else if (arg == "--antialias") {
            o.Antialias = true;
        } else if (arg == "--fill") {
            o.Fill = ParseColor(scanner.ValueOf(arg));
            o.FillGiven = true;
        } else if (arg == "--stroke") {
            o.Stroke = ParseColor(scanner.ValueOf(arg));
            o.StrokeGiven = true;
        } else if (arg == "--stroke-width") {
            o.StrokeWidth = ParseInt(arg, scanner.ValueOf(arg), 1, 1000);
        } else if (arg == "--fill-rule") {
            const std::string_view rule = scanner.ValueOf(arg);
            if (rule == "nonzero")
                o.FillRule = kw::fmNonZero;
            else if (rule == "evenodd")
                o.FillRule = kw::fmEvenOdd;
            else
                throw ToolError("unknown fill rule '" + std::string(rule) +
                                "' (nonzero or evenodd)");
        } else if (arg == "--background") {
            o.Background = ParseColor(scanner.ValueOf(arg));
        } else if (!Source.Take(arg, scanner)) {
            throw ToolError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (o.Output.empty()) throw ToolError("no output file given (-o out.png)");
    // With no colour given at all, the path is filled black.
    if (!o.FillGiven && !o.StrokeGiven) o.Fill = kw::platform::clBlack;
    return o;
}

TInfoOptions ReadInfoOptions(TArgs Args, TPathSource& Source) {
    TArgScanner scanner(Args);
    TInfoOptions o;
    while (!scanner.AtEnd()) {
        const std::string_view arg = scanner.Next();
        if (arg == "--compat")
            o.Compat = true;
        else if (!Source.Take(arg, scanner))
            throw ToolError("unknown option '" + std::string(arg) + "'");
    }
    return o;
}

TDemoOptions ReadDemoOptions(TArgs Args) {
    TArgScanner scanner(Args);
    TDemoOptions o;
    while (!scanner.AtEnd()) {
        const std::string_view arg = scanner.Next();
        if (arg == "--page")
            o.Page = std::string(scanner.ValueOf(arg));
        else if (arg == "--search")
            o.Search = std::string(scanner.ValueOf(arg));
        else if (arg == "--screenshot")
            o.Screenshot = std::string(scanner.ValueOf(arg));
        else if (arg == "--size")
            o.Size = ParseSize(scanner.ValueOf(arg));
        else if (arg == "--no-labels")
            o.Labels = false;
        else
            throw ToolError("demo: unknown argument '" + std::string(arg) + "'");
    }
    return o;
}

} // namespace kwtool
