// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the path's "Path" body reader. An accepted body must leave a
// path that keeps the path's guarantees and writes back exactly the bytes it was read
// from; a refused one must leave the path as it was.

#include "FuzzSupport.h"

#include <kwgfx/path/KwPathData.h>
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/streams/MemoryStream.h>

#include <cstdint>
#include <string>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view input = fuzz::InputText(Data, Size);
    TKwPathData path;
    path.MoveTo({1, 2});
    const fuzz::TChangeCounter changes(path);
    platform::TMemoryStream in(input);
    try {
        path.ReadPath(in);
    } catch (const platform::EReadError&) {
        if (changes.Count() != 0 || path.Count() != 1) fuzz::Fail("refused body changed the path");
        return 0;
    }
    if (changes.Count() != 1) fuzz::Fail("not exactly one notification");
    fuzz::RequireGuarantees(path);
    platform::TMemoryStream out;
    path.WritePath(out);
    const std::string written = out.DataString();
    if (written.size() > input.size() || input.compare(0, written.size(), written) != 0)
        fuzz::Fail("written body differs from the body read");
    return 0;
}
