// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The message loop of the user-interface thread: it runs posted messages and fires the
/// timers (TTimer) that count down on it. Every timer handler and posted message runs on
/// the thread that calls ProcessMessages, AdvanceClock or Run; only Post and Terminate may
/// be called from other threads.
///
/// The loop reads time from a clock it owns: the steady system clock by default, or a
/// TManualClock, which stands still until AdvanceClock moves it, so tests say exactly when
/// timers fire.
///
/// Firing rules: a timer is due Interval milliseconds after its countdown started or after
/// it last fired. ProcessMessages fires each due timer at most once, earliest due first
/// (ties in the order the countdowns started), and the next countdown starts when it fires,
/// so a loop that falls behind does not fire a burst of catch-up events. A handler may
/// disable, restart or free any timer, its own included, and may post messages.
///
/// A toolkit's event loop may drive this one (TLoopHost): Run then runs the toolkit's loop,
/// which calls ProcessMessages whenever a message is queued or a timer is due, Post wakes
/// it and Terminate quits it.

#include "kwgfx/platform/windowing/Clock.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace kw::platform {

class TTimer;

/// An event loop that drives a TMessageLoop (the GTK room has the one on GLib).
class TLoopHost {
public:
    virtual ~TLoopHost() = default;
    /// Runs the host's loop until Quit.
    virtual void Run() = 0;
    /// Safe from any thread.
    virtual void Quit() = 0;
    /// Something was posted: the host should call ProcessMessages soon. Safe from any thread.
    virtual void Wake() = 0;
};

/// The message loop of the user-interface thread; see the file's description.
class TMessageLoop {
public:
    /// On the steady system clock.
    TMessageLoop();
    /// On Clock.
    explicit TMessageLoop(std::unique_ptr<TClock> Clock);
    /// The timers made on this loop, counting or not, stop for good (they keep their
    /// settings and never count down again).
    ~TMessageLoop();
    TMessageLoop(const TMessageLoop&) = delete;
    TMessageLoop& operator=(const TMessageLoop&) = delete;

    /// The clock the loop reads.
    const TClock& Clock() const { return *FClock; }
    /// Replaces the clock (null: the steady clock). Running countdowns keep the time they
    /// had left.
    void SetClock(std::unique_ptr<TClock> Clock);
    /// The clock's time in milliseconds.
    int64_t Now() const { return FClock->NowMilliseconds(); }

    /// Queues a message to run at the next ProcessMessages. Safe from any thread.
    void Post(std::function<void()> Message);

    /// Runs the messages queued so far, then fires the due timers. Returns how many messages
    /// and timer events it handled. An exception from a handler leaves the loop in order
    /// (the remaining due timers fire at the next call) and propagates to the caller.
    int ProcessMessages();

    /// With a TManualClock only (EInvalidOperation otherwise): moves the clock forward by
    /// Milliseconds, stopping at every moment a timer is due to fire it, so a 100 ms timer
    /// fires ten times in one second. Posted messages run at each stop.
    void AdvanceClock(int64_t Milliseconds);

    /// Handles messages and timers until Terminate is called. On the steady clock it sleeps
    /// while nothing is due; on a manual clock it moves the clock to the next due timer
    /// instead, and returns when there is nothing left to wait for. Terminate holds for
    /// good, also when it comes before Run: Run on a terminated loop returns at once.
    void Run();
    /// Makes Run return, for good. Safe from any thread.
    void Terminate();
    /// Whether Terminate was called.
    bool Terminated() const { return FTerminated; }

    /// Hands Run, Post and Terminate over to Host (null: this loop runs itself). Set it before
    /// other threads post; the host must outlive its time here.
    ///@{
    void SetHost(TLoopHost* Host) { FHost = Host; }
    TLoopHost* Host() const { return FHost; }
    ///@}
    /// Whether a posted message waits. Safe from any thread.
    bool HasPostedMessages() const;

    /// Milliseconds until the earliest timer is due (0 when one is overdue); empty when no
    /// timer is counting down.
    std::optional<int64_t> NextTimerDelay() const;
    /// The number of timers counting down on this loop.
    int ActiveTimerCount() const { return static_cast<int>(FTimers.size()); }

private:
    friend class TTimer;
    struct TTimerEntry {
        uint64_t Id;
        TTimer* Timer;
        int64_t Due;
        uint32_t Interval;
    };

    // A timer belongs to its loop from construction to destruction, so the loop can cut
    // every one of them loose when it goes first, disabled ones included.
    void AttachTimer(TTimer* Timer);
    void DetachTimer(TTimer* Timer);
    // Starts (or restarts) a countdown; returns the id the timer keeps to stop it.
    uint64_t StartTimer(TTimer* Timer, uint32_t Interval);
    void StopTimer(uint64_t Id);
    TTimerEntry* FindTimer(uint64_t Id);
    std::optional<int64_t> NextDue() const;
    TManualClock* ManualClock() const;
    int RunPostedMessages();
    int FireDueTimers();

    std::unique_ptr<TClock> FClock;
    std::vector<TTimer*> FAttachedTimers;
    std::vector<TTimerEntry> FTimers;
    uint64_t FNextTimerId = 1;

    mutable std::mutex FQueueLock;
    std::condition_variable FWakeUp;
    std::deque<std::function<void()>> FQueue;
    std::atomic<bool> FTerminated{false};
    std::atomic<TLoopHost*> FHost{nullptr};
};

} // namespace kw::platform
