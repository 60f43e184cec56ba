// The player on a desktop with a window manager and panels (openbox and tint2) over two monitors: full
// screen is the window manager's, on the chosen monitor and above its panel; the desktop cannot close the
// screen window; the keys work on it.
#include <QPushButton>
#include <QTest>

#include "app/M1.h"
#include "support/BuildPaths.h"
#include "support/ProgramFolder.h"
#include "support/XTools.h"

namespace {
const QRect kSecondMonitor(1280, 0, 1920, 1080);

bool key(const char* name) {
    return QProcess::execute(QStringLiteral("xdotool"), {"key", QLatin1String(name)}) == 0;
}
}  // namespace

class UnderAWindowManager : public ProgramFolderTest {
  protected:
    void SetUp() override {
        for (const char* program : {"openbox", "tint2", "wmctrl", "xprop"}) {
            if (!xtools::installed(program)) GTEST_SKIP() << program << " is not installed";
        }
        ASSERT_TRUE(desktop.start());
        folder.seed({built::media("clip.webm")}, [](SysConfig& config) {
            config.setLngPlayRuler(EngineRule::RealPlayerOnly);
            config.setLngRecyclePlayType(PlayRule::ListLoop);
        });
    }

    WindowManagerDesktop desktop;
};

TEST_F(UnderAWindowManager, FullScreenCoversItsMonitorOverThePanelCloseIsRefusedAndKeysWork) {
    M1 m1(folder.path());
    m1.Main(QString());
    m1.objControler()->setProcessEnder([] {});
    frmScreen* screen = m1.screenWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen));
    const QRect normal = screen->geometry();
    m1.controlPanel()->cmdPlay->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->lngState() == PlayState::Playing; }, 15000));

    m1.objControler()->setFullScreenOn(kSecondMonitor);  // as the monitor menus do
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->geometry() == kSecondMonitor; }, 5000))
        << screen->geometry().x();
    // The window manager marks the state a moment after the window has its place.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return xtools::property(screen->winId(), "_NET_WM_STATE").contains("_NET_WM_STATE_FULLSCREEN");
        },
        5000));
    const QList<WId> stack = xtools::stacking();
    for (WId panel : xtools::visibleWindows(QStringLiteral("^tint2$")))
        EXPECT_GT(stack.indexOf(screen->winId()), stack.indexOf(panel)) << "a panel above the video";

    // The desktop asks the window to close, as its close button, Alt+F4 or the task bar do.
    QProcess::execute(QStringLiteral("wmctrl"), {"-i", "-c", QString::number(screen->winId())});
    QTest::qWait(500);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->lngState(), PlayState::Playing);

    QProcess::execute(QStringLiteral("xdotool"),
                      {"windowactivate", "--sync", QString::number(screen->winId())});
    ASSERT_TRUE(key("m"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen->boolMute(); }, 3000));
    ASSERT_TRUE(key("space"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen->lngState() == PlayState::Paused; }, 3000));
    ASSERT_TRUE(key("Escape"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !screen->boolMaxSize() && screen->geometry() == normal; }, 5000));
    EXPECT_FALSE(xtools::property(screen->winId(), "_NET_WM_STATE").contains("_NET_WM_STATE_FULLSCREEN"));
}
