#include <QApplication>
#include <QMouseEvent>

#include "support/ScopedMonitorSource.h"
#include "support/ScreenHarness.h"

namespace {
void send(QWidget* target, QEvent::Type type, Qt::MouseButton button) {
    const QPointF local(50, 50);
    QMouseEvent event(type, local, target->mapToGlobal(local), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void click(QWidget* target, Qt::MouseButton button = Qt::LeftButton) {
    send(target, QEvent::MouseButtonPress, button);
    send(target, QEvent::MouseButtonRelease, button);
}

// The events a double click delivers to a widget: the second press arrives as the double click.
void doubleClick(QWidget* target) {
    click(target);
    send(target, QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, Qt::LeftButton);
}
}  // namespace

class FrmScreenInput : public ScreenFixture {};

TEST_F(FrmScreenInput, AClickIsRaised280MillisecondsAfterTheButtonWentUp) {
    build(EngineRule::RealPlayerOnly);
    QSignalSpy clicks(screen.get(), &frmScreen::ClickPlayer);
    click(screen.get());
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_EQ(screen->timDelayRaiseClickEvent.interval(), 280);
    EXPECT_TRUE(screen->timDelayRaiseClickEvent.isActive());
    ASSERT_TRUE(clicks.wait(3000));
}

TEST_F(FrmScreenInput, ADoubleClickOnAWindowRaisesOnlyTheDoubleClick) {
    build(EngineRule::RealPlayerOnly);
    QSignalSpy clicks(screen.get(), &frmScreen::ClickPlayer);
    QSignalSpy doubles(screen.get(), &frmScreen::DbClickPlayer);
    doubleClick(screen.get());
    QTest::qWait(700);
    EXPECT_TRUE(clicks.isEmpty());
    ASSERT_EQ(doubles.size(), 1);
    EXPECT_FALSE(doubles.at(0).at(0).toBool());

    // In full screen the pending click stays: the controller sees both.
    screen->setLngMaxLeft(0);
    screen->setLngMaxTop(0);
    screen->setLngMaxWidth(800);
    screen->setLngMaxHeight(600);
    screen->setBoolMaxSize(true);
    doubleClick(screen.get());
    ASSERT_TRUE(clicks.wait(3000));
    ASSERT_EQ(doubles.size(), 2);
    EXPECT_TRUE(doubles.at(1).at(0).toBool());
}

TEST_F(FrmScreenInput, TheContextMenuFollowsTheState) {
    build(EngineRule::RealPlayerOnly);
    click(screen.get(), Qt::RightButton);
    EXPECT_TRUE(screen->mnuPopuMenu->isVisible());
    EXPECT_TRUE(screen->mnuPlay->isEnabled());
    EXPECT_FALSE(screen->mnuPause->isEnabled());
    EXPECT_FALSE(screen->mnuStop->isEnabled());
    EXPECT_TRUE(screen->mnuFullScreenTo->menuAction()->isVisible());
    EXPECT_FALSE(screen->mnuExitFullScreen->isVisible());
    EXPECT_FALSE(screen->mnuFangYin->isEnabled());
    EXPECT_TRUE(screen->mnuJingYin->isEnabled());
    screen->mnuPopuMenu->hide();

    ASSERT_TRUE(startPlaying());
    screen->setBoolMute(true);
    screen->popuCtrlMenu();
    EXPECT_FALSE(screen->mnuPlay->isEnabled());
    EXPECT_TRUE(screen->mnuPause->isEnabled());
    EXPECT_TRUE(screen->mnuStop->isEnabled());
    EXPECT_TRUE(screen->mnuFangYin->isEnabled());
    EXPECT_FALSE(screen->mnuJingYin->isEnabled());
    screen->mnuPopuMenu->hide();

    QSignalSpy commands(screen.get(), &frmScreen::clickPopuMenu);
    screen->mnuStop->trigger();
    screen->mnuShowMainFace->trigger();
    ASSERT_EQ(commands.size(), 2);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 5);
    EXPECT_EQ(commands.at(1).at(0).toInt(), 8);
}

TEST_F(FrmScreenInput, TheFullScreenToMenuListsTheMonitorsPrimaryFirst) {
    ScopedMonitorSource screens({monitorInfo("A", QRect(0, 0, 1920, 1080), true)});
    build(EngineRule::RealPlayerOnly);
    screen->createScreenListMenu();
    ASSERT_EQ(screen->mnuScreenX.size(), 1u);
    EXPECT_EQ(screen->mnuScreenX[0]->text(), QStringLiteral("主屏幕"));

    screens.source().setMonitors({monitorInfo("A", QRect(-1280, 0, 1280, 720), false),
                                  monitorInfo("B", QRect(0, 0, 1920, 1080), true),
                                  monitorInfo("C", QRect(1920, 0, 1024, 768), false)});
    screen->createScreenListMenu();
    ASSERT_EQ(screen->mnuScreenX.size(), 3u);
    EXPECT_EQ(screen->mnuScreenX[2]->text(), QStringLiteral("屏幕3"));

    QSignalSpy commands(screen.get(), &frmScreen::clickPopuMenu);
    screen->mnuScreenX[1]->trigger();  // the second entry is the first monitor after the primary: A
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 2);
    EXPECT_EQ(QRect(screen->lngMaxLeft(), screen->lngMaxTop(), screen->lngMaxWidth(), screen->lngMaxHeight()),
              QRect(-1280, 0, 1280, 720));

    screens.source().setMonitors({});
    screen->createScreenListMenu();
    ASSERT_EQ(screen->mnuScreenX.size(), 1u);
    EXPECT_EQ(screen->mnuScreenX[0]->text(), QStringLiteral("取消"));
    screen->mnuScreenX[0]->trigger();
    EXPECT_EQ(commands.size(), 1);
}
