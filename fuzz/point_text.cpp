// SPDX-License-Identifier: MIT
// Fuzzes the reader of the text form of a point. StringToKwPoint must never throw or read
// out of bounds, and whatever it reads must survive KwPointToString and a second read
// unchanged (bit for bit, negative zero aside: it is written "0").
#include "FuzzSupport.h"

#include <kwgfx/KwGraphics.h>

#include <bit>
#include <cstdint>
#include <string_view>

namespace {
bool SameBits(float A, float B) {
    return std::bit_cast<uint32_t>(A) == std::bit_cast<uint32_t>(B) || (A == 0 && B == 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const kw::TKwPoint p = kw::StringToKwPoint(kw::fuzz::InputText(Data, Size));
    const kw::TKwPoint q = kw::StringToKwPoint(kw::KwPointToString(p));
    if (!SameBits(p.X, q.X) || !SameBits(p.Y, q.Y)) kw::fuzz::Fail("point text does not read back");
    return 0;
}
