// SPDX-License-Identifier: MIT
#include "kwgfx/platform/windowing/Timer.h"

#include "kwgfx/platform/windowing/Application.h"
#include "kwgfx/platform/windowing/MessageLoop.h"

namespace kw::platform {

TTimer::TTimer(TComponent* AOwner) : TTimer(AOwner, Application().MessageLoop()) {}

TTimer::TTimer(TComponent* AOwner, TMessageLoop& Loop) : TComponent(AOwner), FLoop(&Loop) {
    FLoop->AttachTimer(this);
    UpdateTimer();
}

TTimer::~TTimer() {
    StopCountdown();
    if (FLoop) FLoop->DetachTimer(this);
}

void TTimer::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t Value) {
    if (Value == FInterval) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::StopCountdown() {
    if (FTimerId != 0 && FLoop) FLoop->StopTimer(FTimerId);
    FTimerId = 0;
}

void TTimer::UpdateTimer() {
    StopCountdown();
    if (FEnabled && FInterval != 0 && FLoop) FTimerId = FLoop->StartTimer(this, FInterval);
}

void TTimer::LoopDestroyed() {
    FTimerId = 0;
    FLoop = nullptr;
}

void TTimer::Timer() {
    // A copy: the handler may free this timer, and with it OnTimer, while it runs.
    if (TNotifyEvent handler = OnTimer) handler(this);
}

} // namespace kw::platform
