// SPDX-License-Identifier: MIT
#pragma once
// What the fuzz targets share: the input as text or as a run of integers, a failure that
// says which rule broke, and the checks every path a target ends with must pass.

#include <kwgfx/path/KwPathData.h>
#include <kwgfx/path/KwPathGuarantees.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace kw::fuzz {

// The fuzzer's bytes as text, as they are: no terminator, zero bytes included.
inline std::string_view InputText(const uint8_t* Data, size_t Size) {
    return {reinterpret_cast<const char*>(Data), Size};
}

// Reads integers off the input in host byte order; past the end it gives zeros, so a
// target can read a fixed header from any input.
class TInputReader {
public:
    TInputReader(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
    bool Empty() const { return FPos >= FSize; }
    template <typename T>
    T Next() {
        T v{};
        const size_t n = std::min(sizeof(T), FSize - std::min(FPos, FSize));
        if (n > 0) std::memcpy(&v, FData + FPos, n);
        FPos += sizeof(T);
        return v;
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = 0;
};

// Ends the run, saying which rule broke and, for Index >= 0, at which entry.
[[noreturn]] inline void Fail(const std::string& What, int64_t Index = -1) {
    if (Index >= 0)
        std::fprintf(stderr, "fuzz: %s at entry %lld\n", What.c_str(),
                     static_cast<long long>(Index));
    else
        std::fprintf(stderr, "fuzz: %s\n", What.c_str());
    std::abort();
}

// Counts a path's change notifications from its construction on: a command that reads
// into a path must notify exactly once, whatever it reads.
class TChangeCounter {
public:
    explicit TChangeCounter(TKwPathData& Path) {
        Path.SetOnChanged([this](platform::TObject*) { ++FCount; });
    }
    TChangeCounter(const TChangeCounter&) = delete;
    TChangeCounter& operator=(const TChangeCounter&) = delete;
    int Count() const { return FCount; }

private:
    int FCount = 0;
};

// Checks Path's entries against the path's guarantees and ends the run on a fault, unless
// it is Tolerated; returns the check, so a target can stop where a tolerated fault stands.
inline TKwPathCheck RequireGuarantees(const TKwPathData& Path,
                                      TKwPathFault Tolerated = TKwPathFault::pfNone) {
    TKwPathCheck check = KwCheckPathGuarantees(Path.Entries());
    if (!check.Ok() && check.Fault != Tolerated) Fail(check.Reason, check.Index);
    return check;
}

// How two paths' coordinates must agree after a round trip.
enum class TSameness {
    Values, // equal as floats: -0 and 0 agree
    Bits    // the same bit patterns
};

// The first entry at which A and B differ in kind or coordinates, the shorter count when
// one is the start of the other, or -1 when they agree.
inline int64_t FirstDifference(const TKwPathData& A, const TKwPathData& B, TSameness How) {
    const auto same = [How](float X, float Y) {
        return How == TSameness::Values ? X == Y
                                        : std::bit_cast<uint32_t>(X) == std::bit_cast<uint32_t>(Y);
    };
    const int32_t n = std::min(A.Count(), B.Count());
    for (int32_t i = 0; i < n; ++i) {
        const TKwPathPoint a = A.GetPoint(i), b = B.GetPoint(i);
        const TKwPoint pa = a.Point, pb = b.Point;
        if (a.Kind != b.Kind || !same(pa.X, pb.X) || !same(pa.Y, pb.Y)) return i;
    }
    return A.Count() == B.Count() ? -1 : n;
}

} // namespace kw::fuzz
