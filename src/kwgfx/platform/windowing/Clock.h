// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The clocks a message loop can run on. Time is counted in whole milliseconds from an
/// arbitrary origin; only differences matter.
///   TSteadyClock  the monotonic system clock, for programs
///   TManualClock  stands still until told to move, so tests decide when timers fire

#include <cstdint>

namespace kw::platform {

/// A clock of whole milliseconds; see the file's description.
class TClock {
public:
    virtual ~TClock() = default;
    /// The time in milliseconds from the clock's origin.
    virtual int64_t NowMilliseconds() const = 0;
};

/// The monotonic system clock.
class TSteadyClock final : public TClock {
public:
    int64_t NowMilliseconds() const override;
};

/// A clock that stands still until Advance moves it.
class TManualClock final : public TClock {
public:
    /// A clock that reads Start.
    explicit TManualClock(int64_t Start = 0) : FNow(Start) {}
    int64_t NowMilliseconds() const override { return FNow; }
    /// Moves the clock forward; a negative step is ignored (a clock never runs backwards).
    void Advance(int64_t Milliseconds) {
        if (Milliseconds > 0) FNow += Milliseconds;
    }

private:
    int64_t FNow;
};

} // namespace kw::platform
