// The last input on a real X server: libXss's idle time on the private Xvfb, moved by real pointer input.
#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>
#include <optional>

#include "platform/Clock.h"
#include "platform/XLastInputSource.h"
#include "support/XTools.h"

namespace {
constexpr int kHangGuardMs = 20000;

// Somewhere other than where the pointer is: a move the server counts as input.
QPoint elsewhere(const QPoint& pointer) {
    return pointer.x() == 100 ? QPoint(300, 200) : QPoint(100, 100);
}
}  // namespace

// Read again and again, the last input stays put while the idle time grows, and moves on with real input.
TEST(LastInput, StaysWhileNothingHappensAndMovesWithThePointer) {
    if (!xtools::installed("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    XLastInputSource source;
    const std::optional<std::int64_t> first = source.lastInputTime();
    ASSERT_TRUE(first);
    const std::int64_t idleFirst = currentClock().nowMilliseconds() - *first;
    for (int reading = 0; reading < 40; ++reading) {
        QTest::qWait(10);
        ASSERT_EQ(source.lastInputTime(), first);
    }
    const std::int64_t idleLater = currentClock().nowMilliseconds() - *first;
    EXPECT_GT(idleLater, idleFirst);

    ASSERT_TRUE(xtools::movePointer(elsewhere(QCursor::pos())));
    EXPECT_TRUE(QTest::qWaitFor([&] { return source.lastInputTime() > first; }, kHangGuardMs));
    EXPECT_LT(currentClock().nowMilliseconds() - *source.lastInputTime(), idleLater);
}
