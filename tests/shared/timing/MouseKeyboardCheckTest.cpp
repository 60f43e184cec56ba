#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <optional>
#include <string>

#include "support/ScopedIdleServices.h"
#include "timing/MouseKeyboardCheck.h"

namespace {
constexpr std::int32_t kActivity = MouseKeyboardCheck::kWaitForActivity;
constexpr std::int32_t kIdleness = MouseKeyboardCheck::kWaitForIdleness;

// The detector over a hand-moved clock and last input; its events are written down as "I" (idle) and "A"
// (active), and polls are made by hand.
class IdleDetector : public ::testing::Test {
  protected:
    explicit IdleDetector(std::int64_t start = 1'000'000) : desktop(start) {
        QObject::connect(&check, &MouseKeyboardCheck::UserIsActive, [this] { events += 'A'; });
        QObject::connect(&check, &MouseKeyboardCheck::ComputerIsIdle, [this] { events += 'I'; });
    }

    void pollAfter(std::int64_t milliseconds) {
        desktop.clock().advance(milliseconds);
        check.m_objTimer_ItsTime();
    }

    ScopedIdleServices desktop;
    MouseKeyboardCheck check;
    std::string events;
};
}  // namespace

TEST_F(IdleDetector, IdleOnlyAfterMoreThanTheThresholdInRoundedSeconds) {
    check.setLngFreeMinute(5);
    check.setLngFreeMinute(0);
    check.setLngWorkState(kIdleness);
    pollAfter(300'000);  // the threshold itself is not more than it
    pollAfter(500);      // 300.5 s rounds to the even 300
    EXPECT_EQ(events, "");
    pollAfter(100);  // 300.6 s rounds to 301
    EXPECT_EQ(events, "I");
    EXPECT_EQ(check.lngWorkState(), kActivity);
}

TEST_F(IdleDetector, IdleAndActiveTakeTurnsWithoutTheClient) {
    check.setLngWorkState(kIdleness);
    pollAfter(61'000);
    pollAfter(60'000);  // no input yet
    desktop.touch();
    pollAfter(1000);
    // Input just before the poll that would find the user idle starts the count again.
    desktop.clock().advance(60'999);
    desktop.touch();
    pollAfter(1);
    pollAfter(60'000);
    EXPECT_EQ(events, "IA");
    pollAfter(1000);
    EXPECT_EQ(events, "IAI");
}

// A state set again records nothing; turning between the directions records the last input anew.
TEST_F(IdleDetector, OnlyAChangeOfStateRecordsTheLastInput) {
    check.setLngWorkState(kActivity);
    desktop.clock().advance(5000);
    desktop.touch();
    check.setLngWorkState(kActivity);
    pollAfter(1000);
    EXPECT_EQ(events, "A");
    desktop.clock().advance(5000);
    desktop.touch();
    check.setLngWorkState(kActivity);
    pollAfter(1000);
    EXPECT_EQ(events, "A");
}

TEST_F(IdleDetector, StoppedOrWithoutALastInputNothingHappens) {
    check.setLngWorkState(4);
    desktop.input().setLastInput(std::nullopt);
    check.setLngWorkState(kIdleness);
    EXPECT_EQ(check.lngWorkState(), MouseKeyboardCheck::kStopped);

    desktop.touch();
    check.setLngWorkState(kIdleness);
    desktop.input().setLastInput(std::nullopt);
    pollAfter(3'600'000);
    check.setLngWorkState(MouseKeyboardCheck::kStopped);
    desktop.input().setLastInput(0);
    pollAfter(1000);
    EXPECT_EQ(events, "");
}

// The tick count crossing 2^31 and 2^32 while the user is idle: the poll that passes the threshold, 400 ms
// after the crossing, is neither lost nor early, and the first input afterwards is seen.
class IdleDetectorAcrossTheCounter : public IdleDetector, public ::testing::WithParamInterface<std::int64_t> {
  protected:
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
    desktop.touch();
    pollAfter(1000);
    EXPECT_EQ(events, "IA");
}

INSTANTIATE_TEST_SUITE_P(TickCounter, IdleDetectorAcrossTheCounter,
                         ::testing::Values(std::int64_t{1} << 31, std::int64_t{1} << 32));

// The timer delivers the polls; a period the timer refuses is stored while it polls on at the old one.
TEST_F(IdleDetector, TheTimerPollsAtTheCheckPeriod) {
    check.setLngCheckMilliSecondsValue(5);
    check.setLngWorkState(kActivity);
    check.setLngCheckMilliSecondsValue(0);
    EXPECT_EQ(check.lngCheckMilliSecondsValue(), 0);
    desktop.clock().advance(61'000);
    desktop.touch();
    EXPECT_TRUE(QTest::qWaitFor([this] { return events == "A"; }, 20000));
    desktop.clock().advance(61'000);
    EXPECT_TRUE(QTest::qWaitFor([this] { return events == "AI"; }, 20000));
}
