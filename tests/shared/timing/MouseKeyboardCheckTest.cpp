#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <optional>
#include <vector>

#include "support/ScopedIdleServices.h"
#include "timing/MTimer.h"
#include "timing/MouseKeyboardCheck.h"

namespace {
constexpr int kHangGuardMs = 20000;
constexpr std::int32_t kActivity = MouseKeyboardCheck::kWaitForActivity;
constexpr std::int32_t kIdleness = MouseKeyboardCheck::kWaitForIdleness;
constexpr std::int32_t kStopped = MouseKeyboardCheck::kStopped;

// The detector over a hand-moved clock and last input, with its events counted; polls are made by hand.
class IdleDetector : public ::testing::Test {
  protected:
    explicit IdleDetector(std::int64_t start = 1'000'000) : desktop(start) {
        QObject::connect(&check, &MouseKeyboardCheck::UserIsActive, [this] { events.push_back('A'); });
        QObject::connect(&check, &MouseKeyboardCheck::ComputerIsIdle, [this] { events.push_back('I'); });
    }

    // Moves the clock on and polls once.
    void pollAfter(std::int64_t milliseconds) {
        desktop.clock().advance(milliseconds);
        check.m_objTimer_ItsTime();
    }

    ScopedIdleServices desktop;
    MouseKeyboardCheck check;
    std::vector<char> events;
};

using Events = std::vector<char>;
}  // namespace

TEST_F(IdleDetector, IdleOnlyAfterMoreThanTheThresholdInRoundedSeconds) {
    check.setLngFreeMinute(5);
    check.setLngWorkState(kIdleness);
    pollAfter(300'000);  // 300 s: the threshold itself is not more than it
    pollAfter(400);      // 300.4 s
    pollAfter(100);      // 300.5 s rounds to the even 300
    EXPECT_EQ(events, Events{});
    pollAfter(100);  // 300.6 s rounds to 301
    EXPECT_EQ(events, Events{'I'});
    EXPECT_EQ(check.lngWorkState(), kActivity);
    pollAfter(60'000);  // no input yet: nothing more
    EXPECT_EQ(events, Events{'I'});
}

TEST_F(IdleDetector, IdleAndActiveTakeTurnsWithoutTheClient) {
    check.setLngWorkState(kIdleness);
    pollAfter(61'000);
    desktop.touch();
    pollAfter(1000);
    EXPECT_EQ(check.lngWorkState(), kIdleness);
    // Input just before the threshold starts the count again.
    pollAfter(59'000);
    desktop.clock().advance(999);
    desktop.touch();
    pollAfter(1);
    pollAfter(60'000);
    EXPECT_EQ(events, (Events{'I', 'A'}));
    pollAfter(1000);
    EXPECT_EQ(events, (Events{'I', 'A', 'I'}));
}

TEST_F(IdleDetector, InputEveryFewSecondsIsNeverIdle) {
    check.setLngWorkState(kIdleness);
    for (int second = 1; second <= 600; ++second) {
        if (second % 7 == 0) desktop.touch();
        pollAfter(1000);
    }
    EXPECT_EQ(events, Events{});
}

// A state set again records nothing; turning between the directions records the last input anew.
TEST_F(IdleDetector, OnlyAChangeOfStateRecordsTheLastInput) {
    check.setLngWorkState(kActivity);
    desktop.clock().advance(5000);
    desktop.touch();
    check.setLngWorkState(kActivity);
    pollAfter(1000);
    EXPECT_EQ(events, Events{'A'});

    // Waiting for idleness, input arrives; turning to activity takes it as already seen.
    desktop.clock().advance(5000);
    desktop.touch();
    check.setLngWorkState(kActivity);
    pollAfter(1000);
    EXPECT_EQ(events, Events{'A'});
}

TEST_F(IdleDetector, StoppedAndUnknownStatesAndThresholds) {
    const std::size_t timersBefore = MTimer::colTimerEvents().size();
    for (std::int32_t ignored : {0, 4, -1}) check.setLngWorkState(ignored);
    EXPECT_EQ(check.lngWorkState(), kStopped);
    check.setLngFreeMinute(0);
    check.setLngFreeMinute(-3);
    EXPECT_EQ(check.lngFreeMinute(), 1);

    check.setLngWorkState(kIdleness);
    EXPECT_EQ(MTimer::colTimerEvents().size(), timersBefore + 1);
    check.setLngWorkState(kStopped);
    EXPECT_EQ(MTimer::colTimerEvents().size(), timersBefore);
    pollAfter(3'600'000);
    desktop.touch();
    pollAfter(1000);
    EXPECT_EQ(events, Events{});
}

// Without a last input nothing changes: no state leaves "stopped", and no poll decides anything.
TEST_F(IdleDetector, NothingHappensWhileTheLastInputCannotBeTold) {
    const std::size_t timersBefore = MTimer::colTimerEvents().size();
    desktop.input().setLastInput(std::nullopt);
    check.setLngWorkState(kActivity);
    EXPECT_EQ(check.lngWorkState(), kStopped);
    EXPECT_EQ(MTimer::colTimerEvents().size(), timersBefore);

    desktop.touch();
    check.setLngWorkState(kIdleness);
    desktop.input().setLastInput(std::nullopt);
    pollAfter(3'600'000);
    EXPECT_EQ(events, Events{});
    desktop.input().setLastInput(desktop.clock().nowMilliseconds() - 3'600'000);
    pollAfter(0);
    EXPECT_EQ(events, Events{'I'});
}

// The tick count crossing 2^31 and 2^32 in the middle of a wait: the step that reaches the threshold is
// neither lost nor early, and the first input afterwards is seen.
class IdleDetectorAcrossTheCounter : public IdleDetector, public ::testing::WithParamInterface<std::int64_t> {
  protected:
    // The last input 300.6 s before the crossing: polled every second from there, the 301st poll falls 400 ms
    // past it.
    IdleDetectorAcrossTheCounter() : IdleDetector(GetParam() - 300'600) {}
};

TEST_P(IdleDetectorAcrossTheCounter, NoStepIsLost) {
    check.setLngFreeMinute(5);
    check.setLngWorkState(kIdleness);
    int polls = 0;
    while (events.empty() && polls < 400) {
        pollAfter(1000);
        ++polls;
    }
    EXPECT_EQ(polls, 301);
    EXPECT_EQ(events, Events{'I'});
    EXPECT_GT(desktop.clock().nowMilliseconds(), GetParam());

    desktop.touch();
    pollAfter(1000);
    EXPECT_EQ(events, (Events{'I', 'A'}));
}

INSTANTIATE_TEST_SUITE_P(TickCounter, IdleDetectorAcrossTheCounter,
                         ::testing::Values(std::int64_t{1} << 31, std::int64_t{1} << 32));

// The polling timer itself: it delivers the steps, and a period the timer refuses is stored while the
// polling goes on at the old one.
TEST_F(IdleDetector, TheTimerPollsAtTheCheckPeriod) {
    check.setLngCheckMilliSecondsValue(5);
    check.setLngWorkState(kActivity);
    check.setLngCheckMilliSecondsValue(0);
    EXPECT_EQ(check.lngCheckMilliSecondsValue(), 0);
    desktop.clock().advance(1000);
    desktop.touch();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !events.empty(); }, kHangGuardMs));
    desktop.clock().advance(61'000);
    EXPECT_TRUE(QTest::qWaitFor([this] { return events.size() == 2; }, kHangGuardMs));
    EXPECT_EQ(events, (Events{'A', 'I'}));
}
