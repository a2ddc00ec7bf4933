// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A timer that calls OnTimer every Interval milliseconds while it is enabled, from the
/// message loop it counts down on (the application's unless another is given).
///
/// The countdown runs while Enabled is true and Interval is not 0. It starts when the timer
/// goes from disabled to enabled, and starts again when Interval changes while it runs;
/// setting a property to the value it already has changes nothing, so enabling a running
/// timer does not prolong its wait. A handler may disable, restart or free the timer that
/// called it.

#include "kwgfx/platform/base/Component.h"
#include "kwgfx/platform/base/Object.h"

#include <cstdint>

namespace kw::platform {

class TMessageLoop;

/// A timer on a message loop; see the file's description.
class TTimer : public TComponent {
public:
    /// Counts down on the application's message loop.
    explicit TTimer(TComponent* AOwner);
    /// Counts down on Loop, which must outlive the countdown.
    TTimer(TComponent* AOwner, TMessageLoop& Loop);
    ~TTimer() override;

    /// Enabled from creation.
    ///@{
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    ///@}
    /// Milliseconds between events, 1000 by default; 0 never fires.
    ///@{
    uint32_t Interval() const { return FInterval; }
    void SetInterval(uint32_t Value);
    ///@}

    /// Read at every event, so it may be replaced at any time (also by the handler).
    TNotifyEvent OnTimer;

    /// Whether a countdown is running on a message loop.
    bool Counting() const { return FTimerId != 0; }

protected:
    /// One event: calls OnTimer.
    virtual void Timer();

private:
    friend class TMessageLoop;
    // Stops the countdown and starts a new one when the settings say so.
    void UpdateTimer();
    void StopCountdown();
    void LoopDestroyed();

    TMessageLoop* FLoop;
    bool FEnabled = true;
    uint32_t FInterval = 1000;
    uint64_t FTimerId = 0;
};

} // namespace kw::platform
