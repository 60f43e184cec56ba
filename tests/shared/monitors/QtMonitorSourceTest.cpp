#include <gtest/gtest.h>

#include "monitors/AimMonitor.h"
#include "monitors/cMonitors.h"
#include "platform/QtMonitorSource.h"

// Runs on the offscreen platform configured with two screens side by side: L (1280x720) and R (1920x1080).
TEST(QtMonitorSource, ReportsQtScreensInQtOrder) {
    const std::vector<MonitorInfo> list = QtMonitorSource().monitors();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, QStringLiteral("L"));
    EXPECT_EQ(list[0].rcMonitor, QRect(0, 0, 1280, 720));
    EXPECT_EQ(list[0].rcWork, QRect(0, 0, 1280, 720));
    EXPECT_TRUE(list[0].IsPrimary);
    EXPECT_EQ(list[1].name, QStringLiteral("R"));
    EXPECT_EQ(list[1].rcMonitor, QRect(1280, 0, 1920, 1080));
    EXPECT_FALSE(list[1].IsPrimary);
    EXPECT_NE(list[0].hMonitor, list[1].hMonitor);

    // The monitor classes see the same through the default source.
    const cMonitors monitors;
    EXPECT_EQ(monitors.MonitorCount(), 2);
    EXPECT_EQ(monitors.VirtualScreenWidth(), 3200);
    EXPECT_EQ(monitors.VirtualScreenHeight(), 1080);
    ASSERT_TRUE(monitors.MonitorForPoint(1280, 1000));
    EXPECT_EQ(monitors.MonitorForPoint(1280, 1000)->name(), QStringLiteral("R"));
    AimMonitor aim;
    EXPECT_EQ(aim.GetAimMonitorIndex(), 2);
    EXPECT_EQ(aim.Left(), 1280);
}
