#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <stdexcept>

#include "timing/MTimer.h"
#include "timing/TimerClass.h"

namespace {
constexpr int kHangGuardMs = 20000;

bool registered(const TimerClass& timer) {
    return MTimer::colTimerEvents().count(MTimer::strTimerKey(timer.lngTimerID())) == 1;
}
}  // namespace

TEST(TimerClass, IntervalIsTakenOnlyAboveZeroAndWhileOff) {
    TimerClass timer;
    EXPECT_FALSE(timer.boolEnabled());
    EXPECT_EQ(timer.lngInterval(), 1000);
    timer.setLngInterval(0);
    timer.setLngInterval(-5);
    EXPECT_EQ(timer.lngInterval(), 1000);
    timer.setLngInterval(250);
    timer.setBoolEnabled(true);
    timer.setLngInterval(50);
    EXPECT_EQ(timer.lngInterval(), 250);
    timer.setBoolEnabled(false);
    timer.setLngInterval(50);
    EXPECT_EQ(timer.lngInterval(), 50);
}

TEST(TimerClass, OneRegistryEntryPerRunningTimer) {
    const std::size_t before = MTimer::colTimerEvents().size();
    TimerClass first, second;
    first.setBoolEnabled(true);
    first.setBoolEnabled(true);
    ASSERT_NE(first.lngTimerID(), 0);
    EXPECT_EQ(MTimer::colTimerEvents().size(), before + 1);
    EXPECT_TRUE(registered(first));
    EXPECT_TRUE(MTimer::strTimerKey(first.lngTimerID()).endsWith(QLatin1Char('K')));

    second.setBoolEnabled(true);
    ASSERT_NE(second.lngTimerID(), first.lngTimerID());
    first.setBoolEnabled(false);
    EXPECT_EQ(first.lngTimerID(), 0);
    EXPECT_TRUE(registered(second));
    EXPECT_EQ(MTimer::colTimerEvents().size(), before + 1);

    // The other timer still ticks.
    int ticks = 0;
    QObject::connect(&second, &TimerClass::ItsTime, [&ticks] { ++ticks; });
    second.setBoolEnabled(false);
    second.setLngInterval(1);
    second.setBoolEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }, kHangGuardMs));
}

TEST(TimerClass, ReleasingARunningTimerStopsItsTicks) {
    const std::size_t before = MTimer::colTimerEvents().size();
    auto timer = std::make_unique<TimerClass>();
    timer->setBoolEnabled(true);
    const std::int32_t id = timer->lngTimerID();
    ASSERT_NE(id, 0);
    timer.reset();
    EXPECT_EQ(MTimer::colTimerEvents().size(), before);
    EXPECT_EQ(MTimer::colTimerEvents().count(MTimer::strTimerKey(id)), 0u);
    MTimer::TimerProc(id);  // a late tick finds no relay
}

// A handler may switch its own timer off, or even let go of it, while its tick is being delivered.
TEST(TimerClass, AHandlerMayStopItsOwnTimer) {
    auto timer = std::make_unique<TimerClass>();
    int ticks = 0;
    QObject::connect(timer.get(), &TimerClass::ItsTime, [&] {
        ++ticks;
        timer.reset();
    });
    timer->setLngInterval(1);
    timer->setBoolEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&timer] { return !timer; }, kHangGuardMs));
    QTest::qWait(20);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerClass, AFailingHandlerDoesNotStopLaterTicks) {
    TimerClass timer;
    int ticks = 0;
    QObject::connect(&timer, &TimerClass::ItsTime, [&ticks] {
        if (++ticks == 1) throw std::runtime_error("the client's handler failed");
    });
    timer.setLngInterval(1);
    timer.setBoolEnabled(true);
    EXPECT_NO_THROW(MTimer::TimerProc(timer.lngTimerID()));
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }, kHangGuardMs));
    EXPECT_TRUE(timer.boolEnabled());
}
