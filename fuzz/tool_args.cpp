// SPDX-License-Identifier: MIT
// Reads arbitrary bytes as the kwgfx program's command line (arguments split at zero
// bytes, the first naming the command) and parses it as render, info or demo would, without
// running anything. A bad command line must end in ToolError, never in another exception
// or a crash; a good one must give options inside their stated ranges.

#include "FuzzSupport.h"

#include "CommandLine.h"

#include <cstdint>
#include <exception>
#include <string_view>
#include <vector>

namespace {

void CheckRender(const kwtool::TRenderOptions& O) {
    using kw::fuzz::Fail;
    if (O.Output.empty()) Fail("render accepted without an output file");
    if (O.Size.cx < 1 || O.Size.cy < 1 || O.Size.cx > kwtool::MaxPictureSide ||
        O.Size.cy > kwtool::MaxPictureSide)
        Fail("picture size out of range");
    if (!(O.StrokeWidth > 0) || O.StrokeWidth > 1000) Fail("stroke width out of range");
    for (const float d : O.Dashes)
        if (!(d >= 0) || d > 10000) Fail("dash length out of range");
    if (O.Op.has_value() == O.With.empty()) Fail("--op without --with, or --with without --op");
    if (O.Fill.has_value() && !O.FillGiven && O.StrokeGiven) Fail("fill without --fill");
    if (!O.FillGiven && !O.StrokeGiven && O.Fill != kw::platform::clBlack)
        Fail("no colour given, yet the fill is not black");
    if (O.FillRule != kw::fmNonZero && O.FillRule != kw::fmEvenOdd) Fail("unknown fill rule");
}

void CheckDemo(const kwtool::TDemoOptions& O) {
    if (O.Size.cx < 1 || O.Size.cy < 1 || O.Size.cx > kwtool::MaxPictureSide ||
        O.Size.cy > kwtool::MaxPictureSide)
        kw::fuzz::Fail("window size out of range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view text = kw::fuzz::InputText(Data, Size);
    std::vector<std::string_view> args;
    for (size_t start = 0; start <= text.size() && args.size() < 64;) {
        const size_t end = std::min(text.find('\0', start), text.size());
        args.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const std::string_view command = args.front();
    const kwtool::TArgs rest = kwtool::TArgs(args).subspan(1);
    try {
        kwtool::TPathSource source;
        if (command == "render")
            CheckRender(kwtool::ReadRenderOptions(rest, source));
        else if (command == "info")
            kwtool::ReadInfoOptions(rest, source);
        else if (command == "demo")
            CheckDemo(kwtool::ReadDemoOptions(rest));
        else
            kwtool::ReadRenderOptions(kwtool::TArgs(args), source); // any line as render's
    } catch (const kwtool::ToolError&) {
    } catch (const std::exception& e) {
        kw::fuzz::Fail(std::string("not a ToolError: ") + e.what());
    }
    return 0;
}
