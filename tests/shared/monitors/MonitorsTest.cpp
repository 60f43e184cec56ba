#include <gtest/gtest.h>

#include <QWindow>

#include "monitors/AimMonitor.h"
#include "monitors/MonitorNames.h"
#include "monitors/cMonitors.h"
#include "monitors/cMonitors2.h"
#include "support/ScopedMonitorSource.h"

namespace {
// A monitor with a 40-pixel panel along its bottom edge.
MonitorInfo monitor(const char* name, int x, int y, int width, int height, bool primary = false) {
    return MonitorInfo{.name = QString::fromLatin1(name),
                       .rcMonitor = QRect(x, y, width, height),
                       .rcWork = QRect(x, y, width, height - 40),
                       .IsPrimary = primary};
}

// Monitors M1..Mn side by side, the primary at 1-based position `primary` (0: none is primary).
std::vector<MonitorInfo> row(int count, int primary) {
    std::vector<MonitorInfo> list;
    for (int i = 1; i <= count; ++i) {
        const QByteArray name = "M" + QByteArray::number(i);
        list.push_back(monitor(name.constData(), (i - 1) * 1920, 0, 1920, 1080, i == primary));
    }
    return list;
}

QStringList namesInMenuOrder() {
    cMonitors2 monitors;
    monitors.GetMonitorArray();
    QStringList names;
    for (std::int32_t i = 1; i <= monitors.lngMonitorsCount(); ++i)
        names.append(monitors.objGetAMonitorByIndex(i)->name());
    return names;
}
}  // namespace

TEST(Monitors, PrimaryComesFirstInMenusAndTheVideoGoesAfterIt) {
    ScopedMonitorSource screens({monitor("A", -1920, 0, 1920, 1080), monitor("B", 0, 0, 2560, 1440, true),
                                 monitor("C", 2560, 0, 1280, 1024)});

    cMonitors2 menu;
    EXPECT_EQ(menu.lngMonitorsCount(), 0);  // empty until asked
    menu.GetMonitorArray();
    EXPECT_EQ(namesInMenuOrder(), QStringList({"B", "A", "C"}));
    EXPECT_FALSE(menu.objGetAMonitorByIndex(0));
    EXPECT_FALSE(menu.objGetAMonitorByIndex(4));

    AimMonitor aim;
    EXPECT_EQ(aim.GetAimMonitorIndex(), 3);
    EXPECT_EQ(aim.intMonitorCount(), 3);
    EXPECT_EQ(aim.name(), QStringLiteral("C"));
    EXPECT_EQ(aim.hMonitor(), 3);
    EXPECT_EQ(QRect(aim.Left(), aim.Top(), aim.Width(), aim.Height()), QRect(2560, 0, 1280, 1024));
    EXPECT_EQ(QRect(aim.WorkLeft(), aim.WorkTop(), aim.WorkWidth(), aim.WorkHeight()),
              QRect(2560, 0, 1280, 984));

    EXPECT_EQ(strMonitorMenuTexts(3), QStringList({"主屏幕", "屏幕2", "屏幕3"}));
    EXPECT_EQ(strMonitorName(12), QStringLiteral("屏幕12"));
}

TEST(Monitors, AimIsTheMonitorAfterThePrimaryOrBeforeItWhenLast) {
    struct Case {
        int count, primary, aim;
        const char* firstInMenu;
    };
    // Without a primary the menu keeps enumeration order and the aim is as if the primary were at 0.
    const Case cases[] = {{2, 2, 1, "M2"}, {3, 1, 2, "M1"}, {2, 1, 2, "M1"},
                          {4, 2, 3, "M2"}, {4, 4, 3, "M4"}, {2, 0, 1, "M1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " monitors, primary " << c.primary);
        ScopedMonitorSource screens(row(c.count, c.primary));
        EXPECT_EQ(AimMonitor().GetAimMonitorIndex(), c.aim);
        const QStringList names = namesInMenuOrder();
        ASSERT_EQ(names.size(), c.count);
        EXPECT_EQ(names.front(), QString::fromLatin1(c.firstInMenu));
    }
}

TEST(Monitors, OneMonitorOrNone) {
    {
        ScopedMonitorSource screens(row(1, 1));
        EXPECT_EQ(AimMonitor().GetAimMonitorIndex(), 1);
        EXPECT_EQ(namesInMenuOrder(), QStringList({"M1"}));
        EXPECT_EQ(strMonitorMenuTexts(1), QStringList({"主屏幕"}));
    }
    ScopedMonitorSource screens;
    AimMonitor aim;
    EXPECT_EQ(aim.GetAimMonitorIndex(), -1);
    EXPECT_EQ(aim.intMonitorCount(), 0);
    EXPECT_EQ(aim.Width(), 0);

    cMonitors2 menu;
    menu.GetMonitorArray();
    EXPECT_EQ(menu.lngMonitorsCount(), 0);
    EXPECT_FALSE(menu.objGetAMonitorByIndex(1));
    EXPECT_EQ(strMonitorMenuTexts(0), QStringList({"取消"}));

    const cMonitors monitors;
    EXPECT_EQ(monitors.VirtualScreenLeft(), 0);
    EXPECT_EQ(monitors.VirtualScreenWidth(), 0);
    EXPECT_FALSE(monitors.MonitorForPoint(0, 0));
}

TEST(Monitors, VirtualScreenReachesLeftOfAndAboveThePrimary) {
    ScopedMonitorSource screens({monitor("P", 0, 0, 1920, 1080, true), monitor("L", -1280, -100, 1280, 720)});
    const cMonitors monitors;
    EXPECT_EQ(monitors.VirtualScreenLeft(), -1280);
    EXPECT_EQ(monitors.VirtualScreenTop(), -100);
    EXPECT_EQ(monitors.VirtualScreenWidth(), 3200);
    EXPECT_EQ(monitors.VirtualScreenHeight(), 1180);
    EXPECT_EQ(monitors.DisplayMonitorCount(), 2);
    EXPECT_FALSE(monitors.Monitor(3));
}

TEST(Monitors, PointsAndWindowsFindTheirMonitor) {
    ScopedMonitorSource screens({monitor("P", 0, 0, 1920, 1080, true), monitor("L", -1280, 0, 1280, 720)});
    const cMonitors monitors;
    ASSERT_TRUE(monitors.MonitorForPoint(-1, 719));
    EXPECT_EQ(monitors.MonitorForPoint(-1, 719)->name(), QStringLiteral("L"));
    EXPECT_EQ(monitors.MonitorForPoint(1919, 1079)->name(), QStringLiteral("P"));
    EXPECT_FALSE(monitors.MonitorForPoint(1920, 0));  // right and bottom edges lie outside
    EXPECT_FALSE(monitors.MonitorForPoint(-1, 720));  // below the shorter monitor

    QWindow window;
    window.setGeometry(-300, 100, 400, 300);  // three quarters on L
    ASSERT_TRUE(monitors.MonitorForWindow(&window));
    EXPECT_EQ(monitors.MonitorForWindow(&window)->name(), QStringLiteral("L"));
    window.setGeometry(-100, 900, 400, 300);  // on P only, though its corner lies beside L
    EXPECT_EQ(monitors.MonitorForWindow(&window)->name(), QStringLiteral("P"));
    window.setGeometry(4000, 0, 400, 300);
    EXPECT_FALSE(monitors.MonitorForWindow(&window));
}

TEST(Monitors, RefreshSeesMonitorsComeAndGo) {
    ScopedMonitorSource screens(row(2, 1));
    cMonitors monitors;
    EXPECT_TRUE(monitors.AllMonitorsSame());
    screens.source().setMonitors(row(3, 1));
    EXPECT_EQ(monitors.MonitorCount(), 2);
    monitors.Refresh();
    EXPECT_EQ(monitors.MonitorCount(), 3);
    EXPECT_EQ(monitors.Monitor(3)->name(), QStringLiteral("M3"));

    std::vector<MonitorInfo> mixed = row(2, 1);
    mixed[1].depth = 16;
    screens.source().setMonitors(mixed);
    EXPECT_FALSE(monitors.AllMonitorsSame());
}
