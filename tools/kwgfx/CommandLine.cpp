// SPDX-License-Identifier: MIT
// Reading the command lines of render, info and demo.

#include "CommandLine.h"

#include <algorithm>
#include <charconv>

namespace kwtool {

namespace {

// A number above 0 and at most Max.
float ParsePositive(std::string_view Option, std::string_view Text, float Max) {
    float v = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), v);
    if (error != std::errc() || end != Text.data() + Text.size() || !(v > 0) || v > Max)
        throw ToolError("bad value '" + std::string(Text) + "' for " + std::string(Option) +
                        ": expected a number above 0, at most " + std::to_string(int(Max)));
    return v;
}

// Dash and gap lengths separated by commas ("4,2"), each from 0 to 10000, not all zero.
std::vector<float> ParseDashes(std::string_view Text) {
    std::vector<float> dashes;
    float sum = 0;
    size_t at = 0;
    while (at <= Text.size()) {
        const size_t comma = std::min(Text.find(',', at), Text.size());
        const std::string_view part = Text.substr(at, comma - at);
        float v = -1;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), v);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() || !(v >= 0) ||
            v > 10000 || dashes.size() >= 64)
            throw ToolError("bad dash pattern '" + std::string(Text) +
                            "': expected lengths from 0 to 10000 separated by commas");
        dashes.push_back(v);
        sum += v;
        at = comma + 1;
    }
    if (!(sum > 0)) throw ToolError("bad dash pattern '" + std::string(Text) + "': all zero");
    return dashes;
}

} // namespace

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
            o.StrokeWidth = ParsePositive(arg, scanner.ValueOf(arg), 1000);
        } else if (arg == "--join") {
            const std::string_view join = scanner.ValueOf(arg);
            if (join == "miter")
                o.Join = kw::ljMiter;
            else if (join == "round")
                o.Join = kw::ljRound;
            else if (join == "bevel")
                o.Join = kw::ljBevel;
            else
                throw ToolError("unknown join '" + std::string(join) + "' (miter, round or bevel)");
        } else if (arg == "--cap") {
            const std::string_view cap = scanner.ValueOf(arg);
            if (cap == "butt")
                o.Cap = kw::lcButt;
            else if (cap == "round")
                o.Cap = kw::lcRound;
            else if (cap == "square")
                o.Cap = kw::lcSquare;
            else
                throw ToolError("unknown cap '" + std::string(cap) + "' (butt, round or square)");
        } else if (arg == "--dash") {
            o.Dashes = ParseDashes(scanner.ValueOf(arg));
        } else if (arg == "--outline") {
            o.Outline = true;
        } else if (arg == "--op") {
            const std::string_view op = scanner.ValueOf(arg);
            if (op == "union")
                o.Op = kw::poUnion;
            else if (op == "intersection")
                o.Op = kw::poIntersection;
            else if (op == "difference")
                o.Op = kw::poDifference;
            else if (op == "xor")
                o.Op = kw::poXor;
            else
                throw ToolError("unknown operation '" + std::string(op) +
                                "' (union, intersection, difference or xor)");
        } else if (arg == "--with") {
            o.With = std::string(scanner.ValueOf(arg));
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
    if (o.Op.has_value() != !o.With.empty())
        throw ToolError("--op and --with go together (--op union --with PATHTEXT)");
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
