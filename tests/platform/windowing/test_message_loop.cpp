// The message loop and its timers: when countdowns start and restart, firing order and
// coalescing, handlers that stop or free timers, posted messages, clocks, Run.
#include "kwgfx/platform/base/Component.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/windowing/MessageLoop.h"
#include "kwgfx/platform/windowing/Timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace kw::platform;

namespace {

// A loop on a manual clock that the test keeps a handle to.
struct TTestLoop {
    TManualClock* Clock;
    TMessageLoop Loop;
    TTestLoop() : TTestLoop(std::make_unique<TManualClock>()) {}

private:
    explicit TTestLoop(std::unique_ptr<TManualClock> C) : Clock(C.get()), Loop(std::move(C)) {}
};

// Records the loop time of every event of a timer.
std::vector<int64_t>* RecordFirings(TTimer& Timer, TMessageLoop& Loop) {
    auto* times = new std::vector<int64_t>;
    std::shared_ptr<std::vector<int64_t>> owner(times);
    Timer.OnTimer = [owner, &Loop](TObject*) { owner->push_back(Loop.Now()); };
    return times;
}

} // namespace

TEST(Timer, FiresEveryIntervalWhileEnabled) {
    TTestLoop t;
    TTimer timer(nullptr, t.Loop);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    const auto* times = RecordFirings(timer, t.Loop);

    t.Loop.AdvanceClock(3500);
    EXPECT_EQ(*times, (std::vector<int64_t>{1000, 2000, 3000}));
    timer.SetEnabled(false);
    t.Loop.AdvanceClock(5000);
    EXPECT_EQ(times->size(), 3u);
    EXPECT_EQ(t.Loop.ActiveTimerCount(), 0);
}

TEST(Timer, CountdownRestartsOnlyWhenEnabledOrWhenTheIntervalChanges) {
    TTestLoop t;
    TTimer timer(nullptr, t.Loop);
    const auto* times = RecordFirings(timer, t.Loop);

    // Enabling a running timer and setting its interval to the same value change nothing.
    t.Loop.AdvanceClock(600);
    timer.SetEnabled(true);
    timer.SetInterval(1000);
    t.Loop.AdvanceClock(400);
    EXPECT_EQ(*times, (std::vector<int64_t>{1000}));

    // A new interval while running: the countdown starts again from now.
    t.Loop.AdvanceClock(300); // 1300
    timer.SetInterval(500);
    t.Loop.AdvanceClock(600); // 1900
    EXPECT_EQ(*times, (std::vector<int64_t>{1000, 1800}));

    // Disabled, then enabled: a fresh countdown.
    timer.SetEnabled(false);
    t.Loop.AdvanceClock(1000); // 2900
    timer.SetEnabled(true);
    t.Loop.AdvanceClock(500);
    EXPECT_EQ(*times, (std::vector<int64_t>{1000, 1800, 3400}));

    // A new interval on a disabled timer starts nothing.
    timer.SetEnabled(false);
    timer.SetInterval(100);
    t.Loop.AdvanceClock(1000);
    EXPECT_EQ(times->size(), 3u);
}

TEST(Timer, IntervalZeroNeverFires) {
    TTestLoop t;
    TTimer timer(nullptr, t.Loop);
    const auto* times = RecordFirings(timer, t.Loop);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Counting());
    t.Loop.AdvanceClock(100000);
    EXPECT_TRUE(times->empty());

    // From 0 to a real interval while enabled starts the countdown at that moment.
    timer.SetInterval(250);
    t.Loop.AdvanceClock(250);
    EXPECT_EQ(*times, (std::vector<int64_t>{100250}));
}

TEST(Timer, HandlerMayDisableOrFreeItsOwnTimer) {
    TTestLoop t;
    TTimer disabling(nullptr, t.Loop);
    int disabledFires = 0;
    disabling.OnTimer = [&](TObject* Sender) {
        ++disabledFires;
        static_cast<TTimer*>(Sender)->SetEnabled(false);
    };

    TComponent owner;
    auto* freed = new TTimer(&owner, t.Loop);
    freed->SetInterval(300);
    int freedFires = 0;
    // The handler's captures must survive its timer being freed while it runs.
    auto counter = std::make_shared<int>(0);
    freed->OnTimer = [&freedFires, counter](TObject* Sender) {
        delete Sender;
        ++*counter;
        ++freedFires;
    };
    ASSERT_EQ(owner.ComponentCount(), 1);

    t.Loop.AdvanceClock(5000);
    EXPECT_EQ(disabledFires, 1);
    EXPECT_FALSE(disabling.Enabled());
    EXPECT_EQ(freedFires, 1);
    EXPECT_EQ(*counter, 1);
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(t.Loop.ActiveTimerCount(), 0);
}

TEST(Timer, HandlerMayFreeAnotherTimerDueAtTheSameMoment) {
    TTestLoop t;
    TTimer first(nullptr, t.Loop);
    auto* second = new TTimer(nullptr, t.Loop);
    int secondFires = 0;
    second->OnTimer = [&](TObject*) { ++secondFires; };
    first.OnTimer = [&](TObject*) {
        delete second;
        second = nullptr;
    };
    t.Loop.AdvanceClock(1000);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(secondFires, 0);
}

TEST(Timer, EqualDueTimesFireInTheOrderTheyStarted) {
    TTestLoop t;
    std::string order;
    TTimer a(nullptr, t.Loop), b(nullptr, t.Loop), c(nullptr, t.Loop);
    c.SetEnabled(false);
    a.SetInterval(200);
    b.SetInterval(200);
    c.SetEnabled(true);
    c.SetInterval(200);
    a.OnTimer = [&](TObject*) { order += 'a'; };
    b.OnTimer = [&](TObject*) { order += 'b'; };
    c.OnTimer = [&](TObject*) { order += 'c'; };
    t.Loop.AdvanceClock(400);
    EXPECT_EQ(order, "abcabc");
}

TEST(Timer, OwnerFreesItsTimersAndALoopMayGoFirst) {
    TTestLoop t;
    int fires = 0;
    {
        TComponent owner;
        auto* timer = new TTimer(&owner, t.Loop);
        timer->OnTimer = [&](TObject*) { ++fires; };
        EXPECT_EQ(t.Loop.ActiveTimerCount(), 1);
    }
    EXPECT_EQ(t.Loop.ActiveTimerCount(), 0);
    t.Loop.AdvanceClock(2000);
    EXPECT_EQ(fires, 0);

    auto loop = std::make_unique<TMessageLoop>(std::make_unique<TManualClock>());
    TTimer orphan(nullptr, *loop);
    loop.reset();
    EXPECT_FALSE(orphan.Counting());
    orphan.SetInterval(10); // no loop any more: settings only
    orphan.SetEnabled(false);
    orphan.SetEnabled(true);
    EXPECT_EQ(orphan.Interval(), 10u);
    EXPECT_FALSE(orphan.Counting());

    // A timer that was disabled when its loop went away must not reach for the loop later.
    loop = std::make_unique<TMessageLoop>(std::make_unique<TManualClock>());
    TTimer idle(nullptr, *loop);
    idle.SetEnabled(false);
    loop.reset();
    idle.SetEnabled(true);
    idle.SetInterval(20);
    EXPECT_FALSE(idle.Counting());
}

TEST(MessageLoop, ALateLoopFiresEachTimerOnceAndRestartsFromNow) {
    TTestLoop t;
    TTimer timer(nullptr, t.Loop);
    const auto* times = RecordFirings(timer, t.Loop);
    t.Clock->Advance(5500); // the loop did not look for five and a half intervals
    EXPECT_EQ(t.Loop.NextTimerDelay(), 0);
    EXPECT_EQ(t.Loop.ProcessMessages(), 1);
    EXPECT_EQ(t.Loop.ProcessMessages(), 0);
    EXPECT_EQ(t.Loop.NextTimerDelay(), 1000);
    t.Loop.AdvanceClock(1000);
    EXPECT_EQ(*times, (std::vector<int64_t>{5500, 6500}));
}

TEST(MessageLoop, PostedMessagesRunInOrderAndRepostsWaitForTheNextRound) {
    TTestLoop t;
    std::string log;
    t.Loop.Post([&] { log += '1'; });
    t.Loop.Post([&] {
        log += '2';
        t.Loop.Post([&] { log += '3'; });
    });
    EXPECT_EQ(log, "");
    EXPECT_EQ(t.Loop.ProcessMessages(), 2);
    EXPECT_EQ(log, "12");
    EXPECT_EQ(t.Loop.ProcessMessages(), 1);
    EXPECT_EQ(log, "123");
}

TEST(MessageLoop, HandlerExceptionsReachTheCallerAndLeaveTheLoopWorking) {
    TTestLoop t;
    TTimer timer(nullptr, t.Loop);
    int fires = 0;
    timer.OnTimer = [&](TObject*) {
        if (++fires == 1) throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(t.Loop.AdvanceClock(1000), std::runtime_error);
    t.Loop.AdvanceClock(1000);
    EXPECT_EQ(fires, 2);

    std::string log;
    t.Loop.Post([] { throw std::runtime_error("message failed"); });
    t.Loop.Post([&] { log += "kept"; });
    EXPECT_THROW(t.Loop.ProcessMessages(), std::runtime_error);
    t.Loop.ProcessMessages();
    EXPECT_EQ(log, "kept");
}

TEST(MessageLoop, ClockChoices) {
    TMessageLoop steady;
    EXPECT_THROW(steady.AdvanceClock(10), EInvalidOperation);

    // A new clock keeps the time a countdown had left.
    TTestLoop t;
    TTimer timer(nullptr, t.Loop);
    const auto* times = RecordFirings(timer, t.Loop);
    t.Loop.AdvanceClock(400);
    t.Loop.SetClock(std::make_unique<TManualClock>(1'000'000));
    t.Loop.AdvanceClock(599);
    EXPECT_TRUE(times->empty());
    t.Loop.AdvanceClock(1);
    EXPECT_EQ(*times, (std::vector<int64_t>{1'000'600}));
}

TEST(MessageLoop, RunOnAManualClockJumpsToTheNextTimer) {
    TTestLoop t;
    t.Loop.Run(); // nothing to wait for: returns at once
    EXPECT_EQ(t.Loop.Now(), 0);

    TTimer timer(nullptr, t.Loop);
    int fires = 0;
    timer.OnTimer = [&](TObject*) {
        if (++fires == 3) t.Loop.Terminate();
    };
    t.Loop.Run();
    EXPECT_EQ(fires, 3);
    EXPECT_EQ(t.Loop.Now(), 3000);
    EXPECT_TRUE(t.Loop.Terminated());
}

TEST(MessageLoop, RunOnTheSteadyClockSleepsUntilTimersAndWakesForPosts) {
    TMessageLoop loop;
    TTimer timer(nullptr, loop);
    timer.SetInterval(10);
    int fires = 0;
    std::atomic<bool> done{false};
    timer.OnTimer = [&](TObject*) {
        if (++fires < 3) return;
        timer.SetEnabled(false); // the loop now waits with no timer at all
        done = true;
    };
    const int64_t start = loop.Now();
    // Another thread ends the idle loop through a posted message.
    std::thread poster([&] {
        while (!done) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        loop.Post([&] { loop.Terminate(); });
    });
    loop.Run();
    poster.join();
    EXPECT_EQ(fires, 3);
    // Each event is due a whole interval after the previous one fired.
    EXPECT_GE(loop.Now() - start, 30);
}

TEST(MessageLoop, ATerminateBeforeRunIsNotLost) {
    // Another thread may ask the loop to end before the user-interface thread enters Run.
    TMessageLoop loop;
    loop.Terminate();
    auto run = std::async(std::launch::async, [&] { loop.Run(); });
    const bool returned = run.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    if (!returned) loop.Post([&] { loop.Terminate(); }); // unblock the loop to end the test
    run.wait();
    EXPECT_TRUE(returned);
    EXPECT_TRUE(loop.Terminated());
}

TEST(MessageLoop, PostsFromSeveralThreadsAllArriveInEachThreadsOrder) {
    TTestLoop t;
    constexpr int threads = 4;
    constexpr int perThread = 2000;
    std::vector<std::vector<int>> seen(threads); // touched only by the loop's thread
    std::vector<std::thread> posters;
    for (int k = 0; k < threads; ++k)
        posters.emplace_back([&, k] {
            for (int i = 0; i < perThread; ++i) t.Loop.Post([&, k, i] { seen[k].push_back(i); });
        });
    int handled = 0;
    // The loop runs while the posters are still posting.
    while (handled < threads * perThread) handled += t.Loop.ProcessMessages();
    for (std::thread& p : posters) p.join();
    EXPECT_EQ(t.Loop.ProcessMessages(), 0);
    for (int k = 0; k < threads; ++k) {
        ASSERT_EQ(seen[k].size(), static_cast<size_t>(perThread));
        for (int i = 0; i < perThread; ++i) ASSERT_EQ(seen[k][i], i);
    }
}
