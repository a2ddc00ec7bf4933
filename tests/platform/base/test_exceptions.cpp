// SPDX-License-Identifier: MIT
// The platform's error classes: the checked division that raises instead of dividing by
// zero.
#include <kwgfx/platform/base/Exceptions.h>

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(Exceptions, CheckedDivideNeverDividesSilentlyByZero) {
    EXPECT_EQ(CheckedDivide(5.0, 2.0), 2.5);
    EXPECT_THROW(CheckedDivide(1.0, 0.0), EZeroDivide);
    EXPECT_THROW(CheckedDivide(0.0, 0.0), EInvalidOp);
}
