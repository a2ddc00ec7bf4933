// SPDX-License-Identifier: MIT
// The message loop: late loops and coalescing of timer events, posted messages, handler
// exceptions, clocks, Run and Terminate, and posts from several threads.
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/windowing/MessageLoop.h"
#include "kwgfx/platform/windowing/Timer.h"

#include "ManualLoop.h"

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
using kw::test::RecordFirings;
using kw::test::TTestLoop;

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
