// Feeds arbitrary bytes to the path's "Path" body reader. An accepted body must leave a
// path that writes back exactly the bytes it was read from; a refused one must leave the
// path as it was.

#include <kwgfx/path/KwPathData.h>
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/streams/MemoryStream.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string input(reinterpret_cast<const char*>(Data), Size);
    TKwPathData path;
    path.MoveTo({1, 2});
    int changes = 0;
    path.SetOnChanged([&](platform::TObject*) { ++changes; });
    platform::TMemoryStream in(input);
    try {
        path.ReadPath(in);
    } catch (const platform::EReadError&) {
        if (changes != 0 || path.Count() != 1) std::abort();
        return 0;
    }
    if (changes != 1) std::abort();
    platform::TMemoryStream out;
    path.WritePath(out);
    const std::string written = out.DataString();
    if (written.size() > input.size() || input.compare(0, written.size(), written) != 0)
        std::abort();
    return 0;
}
