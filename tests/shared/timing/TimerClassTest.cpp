#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <stdexcept>

#include "timing/MTimer.h"
#include "timing/TimerClass.h"

namespace {
constexpr int kHangGuardMs = 20000;
}  // namespace

TEST(TimerClass, IntervalAndRegistryEntries) {
    const std::size_t before = MTimer::colTimerEvents().size();
    TimerClass first, second;
    first.setLngInterval(0);
    first.setLngInterval(-5);
    EXPECT_EQ(first.lngInterval(), 1000);
    first.setBoolEnabled(true);
    first.setBoolEnabled(true);
    first.setLngInterval(50);  // ignored while on
    EXPECT_EQ(first.lngInterval(), 1000);
    ASSERT_NE(first.lngTimerID(), 0);
    EXPECT_EQ(MTimer::colTimerEvents().size(), before + 1);

    second.setBoolEnabled(true);
    first.setBoolEnabled(false);
    EXPECT_EQ(first.lngTimerID(), 0);
    EXPECT_EQ(MTimer::colTimerEvents().size(), before + 1);
    EXPECT_EQ(MTimer::colTimerEvents().count(MTimer::strTimerKey(second.lngTimerID())), 1u);

    auto released = std::make_unique<TimerClass>();
    released->setBoolEnabled(true);
    const std::int32_t id = released->lngTimerID();
    released.reset();
    EXPECT_EQ(MTimer::colTimerEvents().count(MTimer::strTimerKey(id)), 0u);
    MTimer::TimerProc(id);  // a late tick finds no relay
}

// A handler may let go of its own timer while its tick is being delivered.
TEST(TimerClass, AHandlerMayReleaseItsOwnTimer) {
    auto timer = std::make_unique<TimerClass>();
    QObject::connect(timer.get(), &TimerClass::ItsTime, [&timer] { timer.reset(); });
    timer->setLngInterval(1);
    timer->setBoolEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&timer] { return !timer; }, kHangGuardMs));
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
}
