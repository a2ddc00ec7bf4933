// SPDX-License-Identifier: MIT
// TMessageLoop: clock, posted-message queue, timer countdowns, AdvanceClock and Run.
#include "kwgfx/platform/windowing/MessageLoop.h"

#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/windowing/Timer.h"

#include <algorithm>
#include <chrono>

namespace kw::platform {

TMessageLoop::TMessageLoop() : TMessageLoop(std::make_unique<TSteadyClock>()) {}

TMessageLoop::TMessageLoop(std::unique_ptr<TClock> Clock)
    : FClock(Clock ? std::move(Clock) : std::make_unique<TSteadyClock>()) {}

TMessageLoop::~TMessageLoop() {
    for (TTimer* timer : FAttachedTimers) timer->LoopDestroyed();
}

void TMessageLoop::SetClock(std::unique_ptr<TClock> Clock) {
    const int64_t oldNow = Now();
    FClock = Clock ? std::move(Clock) : std::make_unique<TSteadyClock>();
    const int64_t newNow = Now();
    for (TTimerEntry& entry : FTimers) entry.Due = newNow + (entry.Due - oldNow);
}

void TMessageLoop::Post(std::function<void()> Message) {
    {
        std::lock_guard lock(FQueueLock);
        FQueue.push_back(std::move(Message));
    }
    FWakeUp.notify_one();
    if (TLoopHost* host = FHost) host->Wake();
}

bool TMessageLoop::HasPostedMessages() const {
    std::lock_guard lock(FQueueLock);
    return !FQueue.empty();
}

void TMessageLoop::AttachTimer(TTimer* Timer) {
    FAttachedTimers.push_back(Timer);
}

void TMessageLoop::DetachTimer(TTimer* Timer) {
    std::erase(FAttachedTimers, Timer);
}

uint64_t TMessageLoop::StartTimer(TTimer* Timer, uint32_t Interval) {
    const uint64_t id = FNextTimerId++;
    FTimers.push_back({id, Timer, Now() + Interval, Interval});
    return id;
}

void TMessageLoop::StopTimer(uint64_t Id) {
    std::erase_if(FTimers, [Id](const TTimerEntry& E) { return E.Id == Id; });
}

TMessageLoop::TTimerEntry* TMessageLoop::FindTimer(uint64_t Id) {
    auto it = std::find_if(FTimers.begin(), FTimers.end(),
                           [Id](const TTimerEntry& E) { return E.Id == Id; });
    return it == FTimers.end() ? nullptr : &*it;
}

std::optional<int64_t> TMessageLoop::NextDue() const {
    std::optional<int64_t> due;
    for (const TTimerEntry& entry : FTimers)
        if (!due || entry.Due < *due) due = entry.Due;
    return due;
}

std::optional<int64_t> TMessageLoop::NextTimerDelay() const {
    const std::optional<int64_t> due = NextDue();
    if (!due) return std::nullopt;
    return std::max<int64_t>(0, *due - Now());
}

TManualClock* TMessageLoop::ManualClock() const {
    return dynamic_cast<TManualClock*>(FClock.get());
}

int TMessageLoop::RunPostedMessages() {
    // Only the messages queued before this call: one that posts again runs next time, so
    // a message that keeps re-posting itself cannot starve the timers.
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(FQueueLock);
        batch.swap(FQueue);
    }
    int handled = 0;
    while (!batch.empty()) {
        std::function<void()> message = std::move(batch.front());
        batch.pop_front();
        try {
            if (message) message();
        } catch (...) {
            // Put the rest back in front of anything posted meanwhile.
            std::lock_guard lock(FQueueLock);
            FQueue.insert(FQueue.begin(), std::make_move_iterator(batch.begin()),
                          std::make_move_iterator(batch.end()));
            throw;
        }
        ++handled;
    }
    return handled;
}

int TMessageLoop::FireDueTimers() {
    const int64_t now = Now();
    // Handlers may stop, restart or free timers, so the due ones are remembered by id and
    // looked up again before each fires.
    std::vector<std::pair<int64_t, uint64_t>> due;
    for (const TTimerEntry& entry : FTimers)
        if (entry.Due <= now) due.emplace_back(entry.Due, entry.Id);
    std::sort(due.begin(), due.end());
    int fired = 0;
    for (const auto& [when, id] : due) {
        TTimerEntry* entry = FindTimer(id);
        if (!entry || entry->Due > now) continue;
        entry->Due = now + entry->Interval;
        TTimer* timer = entry->Timer;
        ++fired;
        timer->Timer();
    }
    return fired;
}

int TMessageLoop::ProcessMessages() {
    const int handled = RunPostedMessages();
    return handled + FireDueTimers();
}

void TMessageLoop::AdvanceClock(int64_t Milliseconds) {
    if (!ManualClock())
        throw EInvalidOperation("AdvanceClock needs a message loop on a manual clock");
    const int64_t target = Now() + std::max<int64_t>(0, Milliseconds);
    ProcessMessages();
    for (;;) {
        // A handler may have replaced the clock.
        TManualClock* clock = ManualClock();
        if (!clock) throw EInvalidOperation("the message loop's clock is no longer manual");
        const std::optional<int64_t> due = NextDue();
        if (!due || *due > target) break;
        clock->Advance(*due - Now());
        ProcessMessages();
    }
    if (TManualClock* clock = ManualClock()) clock->Advance(target - Now());
    ProcessMessages();
}

void TMessageLoop::Run() {
    // The flag is not cleared here: a Terminate from another thread that comes before this
    // call must still end the loop.
    if (TLoopHost* host = FHost) {
        if (!FTerminated) host->Run();
        return;
    }
    while (!FTerminated) {
        if (ProcessMessages() > 0) continue;
        if (FTerminated) break;
        const std::optional<int64_t> delay = NextTimerDelay();
        if (TManualClock* clock = ManualClock()) {
            std::lock_guard lock(FQueueLock);
            if (!FQueue.empty()) continue;
            if (!delay) return; // nothing could ever happen
            clock->Advance(*delay);
            continue;
        }
        std::unique_lock lock(FQueueLock);
        const auto ready = [this] { return !FQueue.empty() || FTerminated; };
        if (delay)
            FWakeUp.wait_for(lock, std::chrono::milliseconds(*delay), ready);
        else
            FWakeUp.wait(lock, ready);
    }
}

void TMessageLoop::Terminate() {
    {
        std::lock_guard lock(FQueueLock);
        FTerminated = true;
    }
    FWakeUp.notify_all();
    if (TLoopHost* host = FHost) host->Quit();
}

} // namespace kw::platform
