// The player's tray icon in a real notification area: trayer, an XEmbed tray host, on the private X server,
// clicked with real pointer input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/M1.h"
#include "forms/frmHide.h"
#include "support/ProgramFolder.h"
#include "support/XTools.h"

namespace {
using xtools::click;

class TrayIcon : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xtools::installed("trayer")) GTEST_SKIP() << "trayer, the tray host, is not installed";
        // Every balloon that comes up, however briefly, by its texts; each is closed once seen, so that a
        // later balloon is a new one.
        QObject::connect(&balloonWatch, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->inherits("QBalloonTip") || !window->isVisible()) continue;
                QStringList texts;
                for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
                balloons << texts;
                window->hide();
            }
        });
        balloonWatch.start(10);
    }

    QStringList takeBalloon() {
        return QTest::qWaitFor([this] { return !balloons.isEmpty(); }, 10000) ? balloons.takeFirst()
                                                                              : QStringList();
    }

    void startPlayer() {
        m1 = std::make_unique<M1>(folder.path());
        m1->Main(QString());
        m1->objControler()->setProcessEnder([] {});
        tray = m1->trayWindow();
    }

    // Until trayer takes it in, the icon's window stands at the screen's origin; trayer docks it at the
    // right.
    bool iconDocked() const {
        return QTest::qWaitFor([this] { return tray->objTrayIcon->geometry().left() > 0; }, 5000);
    }

    QTimer balloonWatch;
    QList<QStringList> balloons;
    ProgramFolder folder;
    TrayHost host;
    std::unique_ptr<M1> m1;
    frmHide* tray = nullptr;
};
}  // namespace

TEST_F(TrayIcon, DocksWithItsBalloonAnswersTheClicksAndLeavesAtExit) {
    ASSERT_TRUE(host.start());
    startPlayer();
    EXPECT_EQ(tray->windowTitle(), QStringLiteral("play27182831415"));
    ASSERT_TRUE(iconDocked());
    const QStringList balloon = takeBalloon();
    EXPECT_TRUE(balloon.contains(QStringLiteral("Kestrune Vandrel")));
    EXPECT_TRUE(
        balloon.contains(QStringLiteral("\n用鼠标左键双击显示控制面板\n\n用鼠标右键单击显示系统菜单\n")));

    frmMain* panel = m1->controlPanel();
    const QPoint icon = tray->objTrayIcon->geometry().center();
    panel->hide();
    ASSERT_TRUE(click(icon, 3));
    QMenu* menu = tray->mnuTrayMenu;
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000) &&
                QTest::qWaitForWindowExposed(menu));
    ASSERT_TRUE(click(menu->mapToGlobal(menu->actionGeometry(tray->mnuShowMainFace).center())));
    EXPECT_TRUE(QTest::qWaitFor([panel] { return panel->isVisible(); }, 5000));

    panel->hide();
    ASSERT_TRUE(click(icon));
    QTest::qWait(QApplication::doubleClickInterval() + 300);
    EXPECT_FALSE(panel->isVisible());
    ASSERT_TRUE(click(icon, 1, 2));
    EXPECT_TRUE(QTest::qWaitFor([panel] { return panel->isVisible(); }, 5000));

    m1->objControler()->exitSys();
    EXPECT_TRUE(QTest::qWaitFor([this] { return tray->objTrayIcon->geometry().isEmpty(); }, 5000));
}

// Started before any notification area exists, the player runs without its icon; the icon and its balloon
// come when a tray host starts, and come again when the host is restarted.
TEST_F(TrayIcon, ComesWithTheTrayHostAndAgainAfterItsRestart) {
    startPlayer();
    EXPECT_FALSE(tray->objTrayIcon->isVisible());
    ASSERT_TRUE(host.start());
    ASSERT_TRUE(iconDocked());
    ASSERT_FALSE(takeBalloon().isEmpty());

    host.stop();
    ASSERT_TRUE(QTest::qWaitFor([this] { return tray->objTrayIcon->geometry().isEmpty(); }, 5000));
    QTest::qWait(frmHide::kTrayWatchInterval + 200);
    ASSERT_TRUE(host.start());
    EXPECT_TRUE(iconDocked());
    EXPECT_FALSE(takeBalloon().isEmpty());
}
