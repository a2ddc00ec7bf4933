// SPDX-License-Identifier: MIT
// Timers on the message loop: when countdowns start and restart, firing order, and
// handlers or owners that stop or free timers.
#include "kwgfx/platform/base/Component.h"
#include "kwgfx/platform/base/Exceptions.h"
#include "kwgfx/platform/windowing/MessageLoop.h"
#include "kwgfx/platform/windowing/Timer.h"

#include "ManualLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace kw::platform;
using kw::test::RecordFirings;
using kw::test::TTestLoop;

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
