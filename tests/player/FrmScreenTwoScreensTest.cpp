#include <QGuiApplication>
#include <QScreen>

#include "monitors/cMonitors2.h"
#include "support/ScreenHarness.h"

// Runs on the offscreen platform with two screens side by side: L (1280x720) and R (1920x1080) at x 1280.
class FrmScreenTwoScreens : public ScreenFixture {};

TEST_F(FrmScreenTwoScreens, FullScreenTakesTheMonitorAndLeavingRestoresTheWindow) {
    build(EngineRule::RealPlayerOnly);
    const QRect normal(200, 150, 700, 400);
    screen->setGeometry(normal);
    QTest::qWait(20);

    screen->createScreenListMenu();
    ASSERT_EQ(screen->mnuScreenX.size(), 2u);
    EXPECT_EQ(screen->mnuScreenX[1]->text(), QStringLiteral("屏幕2"));
    QSignalSpy commands(screen.get(), &frmScreen::clickPopuMenu);
    screen->mnuScreenX[1]->trigger();
    ASSERT_EQ(commands.size(), 1);

    screen->setBoolMaxSize(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->geometry() == QRect(1280, 0, 1920, 1080); }, 3000))
        << screen->geometry().x() << "," << screen->geometry().y() << " " << screen->geometry().width() << "x"
        << screen->geometry().height();
    EXPECT_TRUE(screen->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(screen->screen()->name(), QStringLiteral("R"));
    EXPECT_EQ(screen->realPlayer()->videoWidget()->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(QRect(screen->lngNormalLeft(), screen->lngNormalTop(), screen->lngNormalWidth(),
                    screen->lngNormalHeight()),
              normal);

    screen->setBoolMaxSize(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->geometry() == normal; }, 3000));
    EXPECT_FALSE(screen->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(screen->isVisible());
}
