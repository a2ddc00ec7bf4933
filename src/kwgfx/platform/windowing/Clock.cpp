// SPDX-License-Identifier: MIT
#include "kwgfx/platform/windowing/Clock.h"

#include <chrono>

namespace kw::platform {

int64_t TSteadyClock::NowMilliseconds() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace kw::platform
