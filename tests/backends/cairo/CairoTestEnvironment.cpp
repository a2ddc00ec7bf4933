// SPDX-License-Identifier: MIT
// Releases Cairo's and fontconfig's process-wide caches after the last test, so that the
// leak checker of sanitizer builds reports only leaks of our own.
#include "kwgfx/backends/cairo/CairoStaticData.h"

#include <gtest/gtest.h>

namespace {

class CairoEnvironment : public ::testing::Environment {
public:
    void TearDown() override { kw::platform::ReleaseCairoStaticData(); }
};

[[maybe_unused]] ::testing::Environment* const gCairoEnvironment =
    ::testing::AddGlobalTestEnvironment(new CairoEnvironment);

} // namespace
