// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the tests of the message loop and its timers: a loop on a manual clock
// and a recorder of a timer's firings.

#include "kwgfx/platform/windowing/Clock.h"
#include "kwgfx/platform/windowing/MessageLoop.h"
#include "kwgfx/platform/windowing/Timer.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kw::test {

// A loop on a manual clock that the test keeps a handle to.
struct TTestLoop {
    platform::TManualClock* Clock;
    platform::TMessageLoop Loop;
    TTestLoop() : TTestLoop(std::make_unique<platform::TManualClock>()) {}

private:
    explicit TTestLoop(std::unique_ptr<platform::TManualClock> C)
        : Clock(C.get()), Loop(std::move(C)) {}
};

// Records the loop time of every event of a timer.
inline std::vector<int64_t>* RecordFirings(platform::TTimer& Timer, platform::TMessageLoop& Loop) {
    auto* times = new std::vector<int64_t>;
    std::shared_ptr<std::vector<int64_t>> owner(times);
    Timer.OnTimer = [owner, &Loop](platform::TObject*) { owner->push_back(Loop.Now()); };
    return times;
}

} // namespace kw::test
