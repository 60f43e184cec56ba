#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

#include "forms/ControlTag.h"
#include "support/PanelHarness.h"
#include "support/ScopedMonitorSource.h"

class PanelProgress : public PanelFixture {
  protected:
    QString posText() const { return panel->labMoviePosi->text(); }
    QString lenText() const { return panel->labMovieLen->text(); }
};

TEST_F(PanelProgress, SetJinDuSkipsAZeroLengthAndKeepsWhatMinusOneAndXLeaveOut) {
    panel->setJinDu(25, 30, QStringLiteral("00:00:30"), 120, QStringLiteral("00:02:00"));
    EXPECT_EQ(panel->sldJinDu->maximum(), 120);
    EXPECT_EQ(panel->sldJinDu->value(), 30);
    EXPECT_EQ(panel->labSlidMax->text(), QStringLiteral("120秒"));
    EXPECT_EQ(posText(), QStringLiteral("00:00:30"));
    EXPECT_EQ(lenText(), QStringLiteral("00:02:00"));

    panel->setJinDu(0, 40, QStringLiteral("00:00:40"), 0, QStringLiteral("00:00:00"));
    EXPECT_EQ(panel->sldJinDu->value(), 30);
    EXPECT_EQ(posText(), QStringLiteral("00:00:30"));
    EXPECT_EQ(panel->sldJinDu->maximum(), 120);

    panel->setJinDu(0, 50, QStringLiteral("00:00:50"), -1, QStringLiteral("X"));
    EXPECT_EQ(panel->sldJinDu->value(), 50);
    EXPECT_EQ(posText(), QStringLiteral("00:00:50"));
    EXPECT_EQ(panel->sldJinDu->maximum(), 120);
    EXPECT_EQ(panel->labSlidMax->text(), QStringLiteral("120秒"));
    EXPECT_EQ(lenText(), QStringLiteral("00:02:00"));

    panel->setJinDu(0, 60, QStringLiteral("00:01:00"), 200, QStringLiteral("x"));
    EXPECT_EQ(panel->sldJinDu->maximum(), 200);
    EXPECT_EQ(panel->labSlidMax->text(), QStringLiteral("200秒"));
    EXPECT_EQ(lenText(), QStringLiteral("00:02:00"));

    panel->setFaceToAPlayState(FaceState::Stopped, false);
    EXPECT_EQ(panel->sldJinDu->value(), 0);
    EXPECT_EQ(posText(), QStringLiteral("00:00:00"));
    EXPECT_EQ(panel->sldJinDu->maximum(), 200);
    EXPECT_EQ(panel->lngGetMovieLen(), 200);
}

TEST_F(PanelProgress, WhileTheUserHoldsTheSliderReportsWaitAndLettingGoSeeks) {
    const QStringList paths = addFiles(1);
    ASSERT_TRUE(waitPlaying(paths[0]));
    panel->setJinDu(0, 0, QStringLiteral("00:00:00"), 100, QStringLiteral("00:01:40"));

    QTest::mousePress(panel->sldJinDu, Qt::LeftButton, {}, QPoint(3, panel->sldJinDu->height() / 2));
    EXPECT_TRUE(panel->boolDraggingJinDu());
    const int held = panel->sldJinDu->value();
    panel->setJinDu(37, 37, QStringLiteral("00:00:37"), 100, QStringLiteral("00:01:40"));
    EXPECT_EQ(panel->sldJinDu->value(), held);
    EXPECT_NE(posText(), QStringLiteral("00:00:37"));

    panel->sldJinDu->setValue(80);  // the thumb moves: the labels follow it
    EXPECT_EQ(posText(), QStringLiteral("00:01:20"));
    EXPECT_EQ(lenText(), QStringLiteral("00:01:40"));
    QTest::mouseRelease(panel->sldJinDu, Qt::LeftButton, {}, QPoint(3, panel->sldJinDu->height() / 2));
    EXPECT_FALSE(panel->boolDraggingJinDu());
    EXPECT_EQ(screen->lngJinDu(), panel->sldJinDu->value());

    const int before = panel->sldJinDu->value();
    QTest::keyPress(panel->sldJinDu, Qt::Key_Left);
    EXPECT_TRUE(panel->boolDraggingJinDu());
    QTest::keyRelease(panel->sldJinDu, Qt::Key_Left);
    EXPECT_FALSE(panel->boolDraggingJinDu());
    EXPECT_EQ(panel->sldJinDu->value(), before - 1);
    EXPECT_EQ(screen->lngJinDu(), before - 1);

    panel->setJinDu(45, 45, QStringLiteral("00:00:45"), 100, QStringLiteral("00:01:40"));
    EXPECT_EQ(panel->sldJinDu->value(), 45);
}

TEST_F(PanelProgress, SeekingWhilePausedResumesAndOtherwiseOnlyMoves) {
    const QStringList paths = addFiles(1);
    ASSERT_TRUE(waitPlaying(paths[0]));
    panel->cmdPlay->click();
    ASSERT_EQ(screen->lngState(), PlayState::Paused);
    EXPECT_EQ(stateWord(), QStringLiteral("暂停播放: "));
    EXPECT_EQ(panel->cmdPlay->text(), QStringLiteral("播放"));
    const int plays = media->countOf(QStringLiteral("play"));

    controler.setJinDu(20);
    EXPECT_EQ(stateWord(), QStringLiteral("正在播放: "));
    EXPECT_EQ(panel->cmdPlay->text(), QStringLiteral("暂停"));
    ASSERT_TRUE(waitPlaying(paths[0]));
    EXPECT_EQ(media->countOf(QStringLiteral("play")), plays + 1);
    EXPECT_EQ(screen->lngJinDu(), 20);

    controler.setJinDu(30);
    panel->cmdStop->click();
    controler.setJinDu(5);
    QTest::qWait(50);
    EXPECT_EQ(media->countOf(QStringLiteral("play")), plays + 1);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
}

TEST_F(PanelProgress, TheEngineRuleIsOnlyStoredWhenStoppedAndRestartsPlayback) {
    const QStringList paths = addFiles(1);
    ASSERT_TRUE(waitPlaying(paths[0]));
    panel->cmdStop->click();
    ASSERT_EQ(panel->comboPlayRuler->itemData(0).toInt(), 2);

    emit panel->comboPlayRuler->activated(0);
    EXPECT_EQ(panel->lngCurrentPlayRuler(), EngineRule::RealPlayerOnly);
    EXPECT_EQ(config()->lngPlayRuler(), EngineRule::RealPlayerOnly);
    EXPECT_EQ(screen->lngPlayRuler(), EngineRule::RealPlayerOnly);
    QTest::qWait(50);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(real->countOf(QStringLiteral("play")), 0);

    panel->cmdPlay->click();
    ASSERT_TRUE(waitPlaying(paths[0]));
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::RealPlayer);
    const int mediaPlays = media->countOf(QStringLiteral("play"));
    emit panel->comboPlayRuler->activated(panel->comboPlayRuler->findData(3));
    EXPECT_EQ(config()->lngPlayRuler(), EngineRule::MediaPlayerOnly);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return media->countOf(QStringLiteral("play")) == mediaPlays + 1; }, 5000));
    ASSERT_TRUE(waitPlaying(paths[0]));
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::MediaPlayer);
    EXPECT_EQ(stateWord(), QStringLiteral("正在播放: "));
}

TEST_F(PanelProgress, TheStoredRulesAndPositionAreShownAtSetUp) {
    config()->setLngPlayRuler(EngineRule::PreferMediaPlayer);
    config()->setIntVolumeValue(64);
    config()->setBoolSavePlayList(true);
    config()->setLngCurrentPlayItemLen(300);
    config()->setLngCurrentPlayPosition(75);
    panel->initializeFace();
    EXPECT_EQ(config()->lngPlayRuler(),
              EngineRule::PreferMediaPlayer);  // showing the first entry stores nothing
    EXPECT_EQ(config()->intVolumeValue(), 64);
    panel->setFaceBySysConfigPara();
    EXPECT_EQ(panel->comboPlayRuler->currentData().toInt(), 1);
    EXPECT_EQ(panel->lngCurrentPlayRuler(), EngineRule::PreferMediaPlayer);
    EXPECT_EQ(panel->sldVolume->value(), 64);
    EXPECT_EQ(panel->lngGetMovieLen(), 300);
    EXPECT_EQ(panel->lngGetJinDu(), 75);
    EXPECT_EQ(screen->lngJinDu(), 75);
    EXPECT_FALSE(panel->boolDraggingJinDu());
}

TEST_F(PanelProgress, FullScreenOnAMonitorChosenFromTheMenu) {
    ScopedMonitorSource two(
        {monitorInfo("", {0, 0, 1280, 720}, true), monitorInfo("", {1280, 0, 1920, 1080}, false)});
    panel->cmdSetScreen->click();
    EXPECT_TRUE(panel->mnuScreens->isVisible());
    ASSERT_EQ(panel->mnuSx.size(), 2u);
    EXPECT_EQ(panel->mnuSx[0]->text(), QStringLiteral("主屏幕"));
    EXPECT_EQ(panel->mnuSx[1]->text(), QStringLiteral("屏幕2"));
    panel->mnuSx[1]->trigger();
    panel->mnuScreens->hide();
    EXPECT_TRUE(screen->boolMaxSize());
    EXPECT_EQ(QRect(screen->lngMaxLeft(), screen->lngMaxTop(), screen->lngMaxWidth(), screen->lngMaxHeight()),
              QRect(1280, 0, 1920, 1080));
    EXPECT_EQ(panel->cmdSetScreen->text(), QStringLiteral("退出全屏"));
    EXPECT_EQ(tagOf(panel->cmdSetScreen), QStringLiteral("2"));

    panel->cmdSetScreen->click();
    EXPECT_FALSE(screen->boolMaxSize());
    EXPECT_EQ(panel->cmdSetScreen->text(), QStringLiteral("全屏到>"));
    EXPECT_EQ(tagOf(panel->cmdSetScreen), QStringLiteral("1"));
}
