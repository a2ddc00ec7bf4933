// SPDX-License-Identifier: MIT
// The geometry error class is caught as each of its bases.
#include <kwgfx/geometry/KwGfxException.h>

#include <gtest/gtest.h>

#include <exception>

using namespace kw;

TEST(KwGfxException, GraphicsExceptionIsCaughtAsItsBases) {
    try {
        throw EKwGfxException("bad path");
    } catch (const EKwException& e) {
        EXPECT_STREQ(e.what(), "bad path");
    }
    EXPECT_THROW(throw EKwGfxException("x"), platform::Exception);
    EXPECT_THROW(throw EKwGfxException("x"), std::exception);
}
