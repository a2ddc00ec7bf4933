// SPDX-License-Identifier: MIT
// TObject: the class name an object reports.
#include <kwgfx/platform/base/Object.h>

#include <gtest/gtest.h>

using namespace kw::platform;

TEST(Object, ClassNameIsUnqualified) {
    TObject o;
    EXPECT_EQ(o.ClassName(), "TObject");
}
