// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the geometry tests: exact comparisons of float records (operator== of
// TKwPoint is fuzzy) and readable printing of the records in failure messages.

#include <kwgfx/geometry/KwPointText.h>
#include <kwgfx/geometry/KwTypes.h>

#include <gtest/gtest.h>

#include <ostream>

namespace kw::platform {
inline void PrintTo(const TPoint& P, std::ostream* Os) {
    *Os << "(" << P.X << ", " << P.Y << ")";
}
inline void PrintTo(const TRect& R, std::ostream* Os) {
    *Os << "(" << R.Left << ", " << R.Top << ", " << R.Right << ", " << R.Bottom << ")";
}
} // namespace kw::platform

namespace kw::test {

// The same float values (0 and -0 count as equal), printed with all digits on failure.
inline ::testing::AssertionResult SamePoint(const TKwPoint& Actual, const TKwPoint& Expected) {
    if (Actual.SameAs(Expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << KwPointToString(Actual) << ", expected " << KwPointToString(Expected);
}

inline ::testing::AssertionResult SameRect(const TKwRect& Actual, const TKwRect& Expected) {
    if (Actual.Left == Expected.Left && Actual.Top == Expected.Top &&
        Actual.Right == Expected.Right && Actual.Bottom == Expected.Bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << KwPointToString(Actual.TopLeft()) << "-"
           << KwPointToString(Actual.BottomRight()) << ", expected "
           << KwPointToString(Expected.TopLeft()) << "-" << KwPointToString(Expected.BottomRight());
}

} // namespace kw::test
