// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The global pseudo-random generator. Its state is one 64-bit seed that a program may
/// read and set, so a run can be repeated exactly (tests set it before each case). The
/// generator is a SplitMix64 step: fast, and every seed gives a full-period sequence.
/// Not for cryptography; one shared state, so use it from one thread (KwThreads.h).

#include <cstdint>

namespace kw::platform {

/// The generator's state.
uint64_t GetRandSeed();
/// Sets the generator's state: the same seed gives the same sequence.
void SetRandSeed(uint64_t Seed);
/// Seeds the generator from the clock and the system's entropy source.
void Randomize();

/// A whole number from 0 to Range - 1, about equally likely; 0 when Range <= 0.
int32_t Random(int32_t Range);
/// A number in [0, 1).
double RandomFloat();

} // namespace kw::platform
