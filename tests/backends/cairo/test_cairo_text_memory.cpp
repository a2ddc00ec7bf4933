// SPDX-License-Identifier: MIT
// The canvas's text caches are bounded: endless different strings and fonts on one canvas
// leave memory flat. Under the sanitizers the leak checker also sees the canvas free all of
// it (CI runs this under AddressSanitizer with detect_leaks=1).
#include "kwgfx/backends/cairo/Bitmap.h"
#include "kwgfx/backends/cairo/CairoCanvas.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstddef>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's own count (g++ ships the runtime but not this declaration's header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace kw::platform;

namespace {

// Bytes the program holds from the heap now.
std::size_t AllocatedBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

} // namespace

TEST(CairoTextMemory, TenThousandVariedCallsKeepMemoryFlat) {
    TBitmap b(200, 60);
    TCanvas& c = b.Canvas();
    const char* const faces[] = {"Default", "DejaVu Sans Mono", "DejaVu Serif", "sans-serif"};
    const char* const words[] = {"office", "שלום",   "مرحبا", "नमस्ते",
                                 "你好",   "Привет", "Γειά",  "สวัสดี"};
    // Every call a string not seen before; the fonts go round 192 faces, sizes and styles.
    const auto call = [&](int I) {
        c.Font().SetName(faces[I % 4]);
        c.Font().SetHeight(-(8 + (I / 4) % 12));
        c.Font().SetStyle(TFontStyles::FromBits(uint8_t(I / 48 % 4)));
        const std::string s =
            std::string(words[I % 8]) + " " + std::to_string(I) + " " + words[I / 8 % 8];
        if (I % 2)
            c.TextOut(I % 50, I % 30, s);
        else
            EXPECT_GT(c.TextExtent(s).cx, 0);
    };
    for (int i = 0; i < 2000; ++i) call(i);
    const std::size_t warm = AllocatedBytes();
    for (int i = 2000; i < 10000; ++i) call(i);
    const std::size_t after = AllocatedBytes();
    // A cache that kept every line would hold some 8,000 more layouts: tens of megabytes.
    EXPECT_LT(after, warm + 2 * 1024 * 1024) << "from " << warm << " to " << after << " bytes";
}
