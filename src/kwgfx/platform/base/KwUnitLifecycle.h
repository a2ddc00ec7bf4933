// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The load counter of a unit: its start-up and shutdown bodies each run once however
/// often the unit is loaded and unloaded.
///
/// StartUp decrements the counter and runs the start-up body only when the counter was 0
/// before; ShutDown increments it and runs the shutdown body only when it is back at 0.
/// So n loads followed by n unloads run each body once: the start-up at the first load,
/// the shutdown at the last unload. Not thread-safe, by design: loading happens during
/// static initialisation or package loading, on one thread.

namespace kw {

/// The load counter of a unit; see the file's description.
class TKwUnitLifecycle {
public:
    /// A start-up or shutdown body.
    using TBody = void (*)();

    /// A counter at 0 that runs these bodies (either may be null).
    constexpr TKwUnitLifecycle(TBody StartUpBody, TBody ShutDownBody)
        : FStartUpBody(StartUpBody), FShutDownBody(ShutDownBody) {}
    TKwUnitLifecycle(const TKwUnitLifecycle&) = delete;
    TKwUnitLifecycle& operator=(const TKwUnitLifecycle&) = delete;

    /// True when this call ran the start-up body.
    bool StartUp() {
        if (FCounter-- != 0) return false;
        if (FStartUpBody) FStartUpBody();
        return true;
    }

    /// True when this call ran the shutdown body.
    bool ShutDown() {
        if (++FCounter != 0) return false;
        if (FShutDownBody) FShutDownBody();
        return true;
    }

    /// 0 when unloaded; minus the number of outstanding loads otherwise.
    constexpr int Counter() const { return FCounter; }

private:
    int FCounter = 0;
    TBody FStartUpBody;
    TBody FShutDownBody;
};

} // namespace kw
