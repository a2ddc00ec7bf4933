// SPDX-License-Identifier: MIT
// Reads arbitrary bytes as path text. The parse must not throw or crash, must keep the
// path's guarantees (curves in groups of three after an entry, finite coordinates), and
// the text written from the result must read back to the same entries.

#include "FuzzSupport.h"

#include <kwgfx/path/KwPathData.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace kw;
    TKwPathData first;
    const fuzz::TChangeCounter changes(first);
    first.SetPathString(fuzz::InputText(Data, Size));
    if (changes.Count() != 1) fuzz::Fail("not exactly one notification");
    fuzz::RequireGuarantees(first);

    const std::string written = first.GetPathString();
    TKwPathData second;
    second.SetPathString(written);
    if (const int64_t i = fuzz::FirstDifference(first, second, fuzz::TSameness::Values); i >= 0)
        fuzz::Fail("round trip changed the entries", i);
    if (second.GetPathString() != written) fuzz::Fail("written text not stable");
    return 0;
}
