// SPDX-License-Identifier: MIT
#pragma once
// Path texts of about 1 MB built to make drawing at 256 x 256 slow or hungry, the same on
// every machine (a fixed seed and no floating-point distribution of the standard library).
// The benchmark hostile_paths_cairo renders them, the memory test of bounded filling
// checks them, and scripts/measure-hostile-render.sh writes them to files for the program.

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace kwbench {

struct THostileCase {
    const char* Name;
    const char* What;
    std::string (*Make)();
};

namespace hostile_detail {

inline constexpr size_t TargetSize = 1'000'000;

class TRandom {
public:
    explicit TRandom(uint32_t Seed) : FEngine(Seed) {}
    // A whole number in [Lo, Hi].
    int64_t Int(int64_t Lo, int64_t Hi) {
        const uint64_t span = uint64_t(Hi - Lo) + 1;
        const uint64_t r = (uint64_t(FEngine()) << 32) | FEngine();
        return Lo + int64_t(r % span);
    }

private:
    std::mt19937 FEngine;
};

inline void AddNumbers(std::string& Out, std::initializer_list<int64_t> Numbers) {
    for (int64_t n : Numbers) {
        if (n >= 0 && std::isdigit(static_cast<unsigned char>(Out.back()))) Out += ' ';
        Out += std::to_string(n);
    }
}

// 20,000 cubic curves, coordinates anywhere in +-10^7: almost all of it far outside.
inline std::string FarCubics() {
    TRandom r(1);
    std::string s = "M0 0";
    for (int i = 0; i < 20000; ++i) {
        s += 'C';
        for (int k = 0; k < 6; ++k) AddNumbers(s, {r.Int(-10'000'000, 10'000'000)});
    }
    return s;
}

// Curves through the middle of the picture's corner pixel, symmetric about it, with
// coordinates near the largest floats: each one must be cut over a hundred times before its
// pieces are small enough to sample.
inline std::string GiantCubics() {
    TRandom r(2);
    std::string s;
    while (s.size() < TargetSize) {
        const auto big = [&] { return std::to_string(r.Int(1, 33)) + "e37"; };
        const std::string a = big(), b = big(), c = big(), d = big();
        const bool flipC = r.Int(0, 1) != 0, flipD = r.Int(0, 1) != 0;
        s += "M-" + a + "-" + b + "C" + (flipC ? "-" : "") + c + (flipD ? "-" : " ") + d +
             (flipC ? " " : "-") + c + (flipD ? " " : "-") + d + " " + a + " " + b;
    }
    return s;
}

// One curve whose control points lie near the largest floats, crossing the picture.
inline std::string OneGiantCurve() {
    return "M-3e38 -3e38C3e38 -3e38 -3e38 3e38 3e38 3e38Z";
}

// About 80,000 curves a few hundredths of a pixel long, all in the picture.
inline std::string TinyCurves() {
    TRandom r(3);
    std::string s = "M128 128c";
    while (s.size() < TargetSize) {
        s += ".0" + std::to_string(r.Int(1, 9)) + "-.0" + std::to_string(r.Int(1, 9)) + " .0" +
             std::to_string(r.Int(1, 9)) + " .0" + std::to_string(r.Int(1, 9)) + "-.0" +
             std::to_string(r.Int(1, 9)) + " .0" + std::to_string(r.Int(1, 9));
    }
    return s;
}

// Curves that fill the picture each, as many samples as a curve inside it can need.
inline std::string DenseVisibleCubics() {
    TRandom r(4);
    std::string s = "M0 0";
    while (s.size() < TargetSize) {
        s += 'C';
        for (int k = 0; k < 6; ++k) AddNumbers(s, {r.Int(0, 255)});
    }
    return s;
}

// Closed circles inside each other, 25,000 of them, radii from 128 down to a few
// hundredths of a pixel: deep nesting of subpaths that all cross the middle rows.
inline std::string NestedSubpaths() {
    std::string s;
    for (int i = 0; s.size() < TargetSize; ++i) {
        const double radius = 128.0 - i * 0.005;
        if (radius <= 0) break;
        char buffer[96];
        std::snprintf(buffer, sizeof buffer,
                      "M%.3f 128a%.3f %.3f 0 1 0 %.3f 0a%.3f %.3f 0 1 0 %.3f 0Z", 128 - radius,
                      radius, radius, 2 * radius, radius, radius, -2 * radius);
        s += buffer;
    }
    return s;
}

// 60,000 lines between points anywhere in +-10^7.
inline std::string FarLines() {
    TRandom r(5);
    std::string s = "M0 0";
    while (s.size() < TargetSize) {
        s += 'L';
        AddNumbers(s, {r.Int(-10'000'000, 10'000'000), r.Int(-10'000'000, 10'000'000)});
    }
    return s;
}

// Arcs of radius up to 10^7 from points near the picture: each one a huge circle mostly out
// of sight.
inline std::string HugeArcs() {
    TRandom r(6);
    std::string s = "M128 128";
    while (s.size() < TargetSize) {
        s += 'A';
        AddNumbers(s, {r.Int(1000, 10'000'000), r.Int(1000, 10'000'000), r.Int(0, 359)});
        s += r.Int(0, 1) ? " 1" : " 0";
        s += r.Int(0, 1) ? " 1" : " 0";
        AddNumbers(s, {r.Int(0, 255), r.Int(0, 255)});
    }
    return s;
}

} // namespace hostile_detail

inline const std::vector<THostileCase>& HostileCases() {
    using namespace hostile_detail;
    static const std::vector<THostileCase> cases = {
        {"far-cubics", "20,000 cubics with coordinates up to 1e7", FarCubics},
        {"giant-cubics", "cubics through the picture with coordinates up to 3.3e38", GiantCubics},
        {"one-giant-curve", "one cubic through the picture, coordinates 3e38", OneGiantCurve},
        {"tiny-curves", "80,000 curves of a few hundredths of a pixel", TinyCurves},
        {"dense-visible", "cubics that each fill the picture", DenseVisibleCubics},
        {"nested-subpaths", "25,000 circles inside each other", NestedSubpaths},
        {"far-lines", "lines with coordinates up to 1e7", FarLines},
        {"huge-arcs", "arcs with radii up to 1e7", HugeArcs},
    };
    return cases;
}

} // namespace kwbench
