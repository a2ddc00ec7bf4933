// SPDX-License-Identifier: MIT
// TPersistent: assigning between classes that do not know each other.
#include <kwgfx/platform/base/Exceptions.h>
#include <kwgfx/platform/base/Persistent.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace kw::platform;

namespace {

// Two classes that know nothing of each other: neither copies from or into the other.
class TSampleInner : public TPersistent {};

class TSampleComponent : public TPersistent {
public:
    int32_t Width = 0;
};

} // namespace

TEST(Persistent, AssignBetweenUnrelatedClassesNamesBothAndChangesNothing) {
    TSampleComponent target;
    target.Width = 3;
    TSampleInner source;
    try {
        target.Assign(source);
        FAIL() << "assigned";
    } catch (const EAssignError& e) {
        EXPECT_NE(e.Message().find("TSampleInner"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("TSampleComponent"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(target.Width, 3);
}
