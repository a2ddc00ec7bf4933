// SPDX-License-Identifier: MIT
#include "kwgfx/platform/base/Random.h"

#include <chrono>
#include <random>

namespace kw::platform {

namespace {

constinit uint64_t gRandSeed = 0;

uint64_t Next64() {
    uint64_t z = (gRandSeed += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

uint64_t GetRandSeed() {
    return gRandSeed;
}

void SetRandSeed(uint64_t Seed) {
    gRandSeed = Seed;
}

void Randomize() {
    std::random_device device;
    const uint64_t entropy = (uint64_t(device()) << 32) ^ device();
    const auto ticks = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    gRandSeed = entropy ^ ticks;
}

int32_t Random(int32_t Range) {
    if (Range <= 0) return 0;
    // The top 32 bits scaled to the range (multiply-shift): no division, and the bias is
    // below Range / 2^32.
    const uint64_t high = Next64() >> 32;
    return int32_t((high * uint64_t(Range)) >> 32);
}

double RandomFloat() {
    return double(Next64() >> 11) * 0x1.0p-53;
}

} // namespace kw::platform
