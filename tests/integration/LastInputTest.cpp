// The last input on a real X server: libXss's idle time on the private Xvfb, moved by real pointer input.
#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>
#include <optional>

#include "platform/Clock.h"
#include "platform/XLastInputSource.h"
#include "support/XTools.h"
#include "timing/MouseKeyboardCheck.h"

namespace {
constexpr int kHangGuardMs = 20000;

// Somewhere other than where the pointer is: a move the server counts as input.
QPoint elsewhere(const QPoint& pointer) {
    return pointer.x() == 100 ? QPoint(300, 200) : QPoint(100, 100);
}

class LastInput : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xtools::installed("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    }
};
}  // namespace

TEST_F(LastInput, StaysWhileNothingHappensAndMovesWithThePointer) {
    XLastInputSource source;
    const std::optional<std::int64_t> first = source.lastInputTime();
    ASSERT_TRUE(first);
    const std::int64_t idleFirst = currentClock().nowMilliseconds() - *first;
    QTest::qWait(300);
    // The same last input, read again and again, while the idle time grows.
    for (int reading = 0; reading < 50; ++reading) ASSERT_EQ(source.lastInputTime(), first);
    const std::int64_t idleLater = currentClock().nowMilliseconds() - *first;
    EXPECT_GT(idleLater, idleFirst);

    ASSERT_TRUE(xtools::movePointer(elsewhere(QCursor::pos())));
    EXPECT_TRUE(QTest::qWaitFor([&] { return source.lastInputTime() > first; }, kHangGuardMs));
    EXPECT_LT(currentClock().nowMilliseconds() - *source.lastInputTime(), idleLater);
}

// The idle detector on the desktop's own services, polling fast: no activity is seen until there is some.
TEST_F(LastInput, TheDetectorWakesOnlyOnRealInput) {
    MouseKeyboardCheck check;
    int active = 0;
    QObject::connect(&check, &MouseKeyboardCheck::UserIsActive, [&active] { ++active; });
    check.setLngCheckMilliSecondsValue(10);
    check.setLngWorkState(MouseKeyboardCheck::kWaitForActivity);
    ASSERT_EQ(check.lngWorkState(), MouseKeyboardCheck::kWaitForActivity);
    QTest::qWait(500);
    EXPECT_EQ(active, 0);

    ASSERT_TRUE(xtools::movePointer(elsewhere(QCursor::pos())));
    EXPECT_TRUE(QTest::qWaitFor([&active] { return active > 0; }, kHangGuardMs));
    EXPECT_EQ(active, 1);
    EXPECT_EQ(check.lngWorkState(), MouseKeyboardCheck::kWaitForIdleness);
}
