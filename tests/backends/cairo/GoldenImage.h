// SPDX-License-Identifier: MIT
#pragma once
// Compares a bitmap with a golden PNG in tests/data/golden/, channel by channel with a
// tolerance (Cairo versions differ in the last bits of blends). With the environment
// variable KWGFX_UPDATE_GOLDEN=1 the golden file is (re)written from the bitmap instead.

#include "kwgfx/backends/cairo/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace kwtest {

inline std::string GoldenPath(const std::string& Name) {
    return std::string(KWGFX_TEST_DATA_DIR) + "/golden/" + Name;
}

inline ::testing::AssertionResult MatchesGolden(const kw::platform::TBitmap& Actual,
                                                const std::string& Name, int Tolerance) {
    const std::string path = GoldenPath(Name);
    if (const char* update = std::getenv("KWGFX_UPDATE_GOLDEN"); update && *update == '1') {
        Actual.SaveToFile(path);
        return ::testing::AssertionSuccess() << "golden " << path << " written";
    }
    kw::platform::TBitmap golden;
    try {
        golden.LoadFromFile(path);
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "cannot load golden " << path << ": " << e.what();
    }
    if (golden.Width() != Actual.Width() || golden.Height() != Actual.Height())
        return ::testing::AssertionFailure()
               << "size " << Actual.Width() << "x" << Actual.Height() << ", golden "
               << golden.Width() << "x" << golden.Height();
    int mismatches = 0;
    std::ostringstream first;
    for (int y = 0; y < Actual.Height(); ++y)
        for (int x = 0; x < Actual.Width(); ++x) {
            const auto a = Actual.GetPixelRGBA(x, y);
            const auto g = golden.GetPixelRGBA(x, y);
            const int d = std::max({std::abs(a.R - g.R), std::abs(a.G - g.G), std::abs(a.B - g.B),
                                    std::abs(a.A - g.A)});
            if (d > Tolerance && mismatches++ == 0)
                first << " first at (" << x << "," << y << "): rgba " << int(a.R) << "," << int(a.G)
                      << "," << int(a.B) << "," << int(a.A) << " golden " << int(g.R) << ","
                      << int(g.G) << "," << int(g.B) << "," << int(g.A);
        }
    if (mismatches == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << mismatches << " pixels differ from " << Name
                                         << " by more than " << Tolerance << ";" << first.str();
}

} // namespace kwtest
