#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "support/PanelHarness.h"

namespace {
const QString kPlaying = QStringLiteral("正在播放: ");
const QString kStopped = QStringLiteral("停止: ");
const QString kMediaOnlyFailed =
    QStringLiteral("Media Play无法播放该文件,请通过播放器选择列表使用Real Player重新尝试播放.");
}  // namespace

class PanelPlayRules : public PanelFixture {};

TEST_F(PanelPlayRules, ListLoopWrapsFromTheLastItemAndMovesTheMarks) {
    config()->setLngRecyclePlayType(PlayRule::ListLoop);
    const QStringList paths = addFiles(3);
    playRow(2);
    ASSERT_TRUE(waitPlaying(paths[2]));
    EXPECT_TRUE(rowBold(2));

    mediaEnds();
    ASSERT_TRUE(waitPlaying(paths[0]));
    EXPECT_TRUE(rowSelected(0));
    EXPECT_TRUE(rowBold(0));
    EXPECT_EQ(rowTag(0), QStringLiteral("1"));
    EXPECT_FALSE(rowBold(2));
    EXPECT_EQ(rowTag(2), QStringLiteral("0"));
    EXPECT_EQ(stateWord(), kPlaying);
    EXPECT_EQ(panel->txtFileName->text(), QStringLiteral("clip0.webm"));
}

TEST_F(PanelPlayRules, InOrderStopsAfterTheLastItemAndShowsThePanel) {
    const QStringList paths = addFiles(2);
    playRow(1);
    ASSERT_TRUE(waitPlaying(paths[1]));
    panel->hide();

    mediaEnds();
    QTest::qWait(100);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(stateWord(), kStopped);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(rowBold(1));
    EXPECT_FALSE(rowBold(0));
}

TEST_F(PanelPlayRules, RepeatOneRestartsTheSameItem) {
    config()->setLngRecyclePlayType(PlayRule::RepeatOne);
    const QStringList paths = addFiles(3);
    playRow(1);
    ASSERT_TRUE(waitPlaying(paths[1]));
    const int plays = media->countOf(QStringLiteral("play"));

    mediaEnds();
    ASSERT_TRUE(QTest::qWaitFor([&] { return media->countOf(QStringLiteral("play")) == plays + 1; }, 5000));
    ASSERT_TRUE(waitPlaying(paths[1]));
    EXPECT_TRUE(rowBold(1));
    EXPECT_FALSE(rowBold(0) || rowBold(2));
    EXPECT_EQ(stateWord(), kPlaying);
}

TEST_F(PanelPlayRules, NextAndPreviousWrapWhateverTheRule) {
    const QStringList paths = addFiles(3);
    playRow(2);
    ASSERT_TRUE(waitPlaying(paths[2]));
    panel->cmdDown->click();
    ASSERT_TRUE(waitPlaying(paths[0]));
    EXPECT_TRUE(rowBold(0));
    panel->cmdUp->click();
    ASSERT_TRUE(waitPlaying(paths[2]));
    EXPECT_TRUE(rowBold(2));
    EXPECT_FALSE(rowBold(0));
}

TEST_F(PanelPlayRules, TheRuleButtonCyclesAndRepeatOneDoesNotSurviveARestart) {
    config()->setLngRecyclePlayType(PlayRule::RepeatOne);
    panel->setFaceBySysConfigPara();
    EXPECT_EQ(panel->cmdRecyclePlayPL->text(), QStringLiteral("列表循环"));
    EXPECT_EQ(config()->lngRecyclePlayType(), PlayRule::ListLoop);

    const std::pair<const char*, const char*> faces[] = {{"顺序播放", "正处于顺序播放模式"},
                                                         {"单曲循环", "正处于单曲循环播放模式"},
                                                         {"列表循环", "正处于列表循环播放模式"}};
    const PlayRule rules[] = {PlayRule::InOrder, PlayRule::RepeatOne, PlayRule::ListLoop};
    for (int i = 0; i < 3; ++i) {
        panel->cmdRecyclePlayPL->click();
        EXPECT_EQ(config()->lngRecyclePlayType(), rules[i]);
        EXPECT_EQ(panel->cmdRecyclePlayPL->text(), QString::fromUtf8(faces[i].first));
        EXPECT_EQ(panel->cmdRecyclePlayPL->toolTip(), QString::fromUtf8(faces[i].second));
    }

    config()->setLngRecyclePlayType(PlayRule{7});  // an unknown rule shows, and later behaves, as in order
    panel->setFaceBySysConfigPara();
    EXPECT_EQ(panel->cmdRecyclePlayPL->text(), QStringLiteral("顺序播放"));
    EXPECT_EQ(config()->lngRecyclePlayType(), PlayRule{7});
    panel->cmdRecyclePlayPL->click();
    EXPECT_EQ(config()->lngRecyclePlayType(), PlayRule::RepeatOne);
}

class PanelPlayErrors : public PanelFixture {};

TEST_F(PanelPlayErrors, AFailingMiddleItemIsRemovedLoggedAndTheNextPlays) {
    config()->setBoolPlayNextOnErr(true);
    const QStringList paths = addFiles(3);
    playRow(1);
    ASSERT_TRUE(waitPlaying(paths[1]));

    ASSERT_TRUE(mediaFails());
    EXPECT_EQ(rowNames(), (QStringList{QStringLiteral("clip0.webm"), QStringLiteral("clip2.webm")}));
    EXPECT_EQ(playList.lngListCount(), 2);
    ASSERT_EQ(panel->lvPlayErrLogList->topLevelItemCount(), 1);
    const QTreeWidgetItem* logRow = panel->lvPlayErrLogList->topLevelItem(0);
    EXPECT_EQ(logRow->text(2), kMediaOnlyFailed);
    EXPECT_EQ(logRow->text(3), paths[1]);
    EXPECT_EQ(logRow->toolTip(1), kMediaOnlyFailed);
    EXPECT_FALSE(logRow->text(1).isEmpty());
    EXPECT_EQ(panel->labPlayErrLogCount->text(), QStringLiteral("1"));
    EXPECT_TRUE(panel->picPlayErrNote->isVisible());
    ASSERT_TRUE(waitPlaying(paths[2]));
    EXPECT_TRUE(rowBold(1));
    EXPECT_EQ(stateWord(), kPlaying);
}

TEST_F(PanelPlayErrors, WithoutPlayNextAFailureStopsOnTheFollowingItem) {
    const QStringList paths = addFiles(3);
    playRow(1);
    ASSERT_TRUE(waitPlaying(paths[1]));

    ASSERT_TRUE(mediaFails());
    QTest::qWait(100);
    EXPECT_EQ(rowCount(), 2);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(screen->strFilePath(), paths[2]);
    EXPECT_EQ(stateWord(), kStopped);
    EXPECT_TRUE(rowBold(1));
}

TEST_F(PanelPlayErrors, AFailingLastItemUnderListLoopWrapsOnlyWithPlayNext) {
    for (const bool playNext : {true, false}) {
        SCOPED_TRACE(playNext);
        panel->mnuClearPL->trigger();
        config()->setLngRecyclePlayType(PlayRule::ListLoop);
        config()->setBoolPlayNextOnErr(playNext);
        const QStringList paths = addFiles(3, playNext ? 0 : 10);
        playRow(2);
        ASSERT_TRUE(waitPlaying(paths[2]));

        ASSERT_TRUE(mediaFails());
        EXPECT_EQ(rowCount(), 2);
        if (playNext) {
            ASSERT_TRUE(waitPlaying(paths[0]));
            EXPECT_TRUE(rowBold(0));
            EXPECT_FALSE(rowBold(1));
        } else {
            QTest::qWait(100);
            EXPECT_EQ(screen->lngState(), PlayState::Stopped);
            EXPECT_EQ(stateWord(), kStopped);
        }
    }
}

TEST_F(PanelPlayErrors, AFailingOnlyItemEmptiesTheListStopsAndShowsThePanel) {
    config()->setBoolPlayNextOnErr(true);
    const QStringList paths = addFiles(1);
    ASSERT_TRUE(waitPlaying(paths[0]));
    panel->hide();

    ASSERT_TRUE(mediaFails());
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(panel->labFileCount->text(), QStringLiteral("0"));
    EXPECT_EQ(playList.lngListCount(), 0);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_TRUE(screen->strFilePath().isEmpty());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->lvPlayErrLogList->topLevelItemCount(), 1);
    EXPECT_TRUE(panel->txtFileName->text().isEmpty());
}

// The item that failed leaves the list, not the row the user happens to have selected.
TEST_F(PanelPlayErrors, TheFailedPlayItemIsRemovedEvenWhenAnotherRowIsSelected) {
    config()->setBoolPlayNextOnErr(true);
    const QStringList paths = addFiles(3);
    ASSERT_TRUE(waitPlaying(paths[0]));
    QWidget* rows = panel->lvPlayList->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, rowRect(2).center());
    ASSERT_TRUE(rowSelected(2));
    ASSERT_EQ(playList.objGetActItem()->strFilePath, paths[2]);

    QFile::remove(paths[0]);  // the next start of the play item fails on the missing file
    panel->cmdStop->click();
    panel->cmdPlay->click();
    ASSERT_TRUE(errors->wait(5000));
    EXPECT_EQ(errors->last().at(0).toString(), QStringLiteral("要播放的文件不存在."));
    EXPECT_EQ(rowNames(), (QStringList{QStringLiteral("clip1.webm"), QStringLiteral("clip2.webm")}));
    EXPECT_EQ(panel->lvPlayErrLogList->topLevelItem(0)->text(3), paths[0]);
    ASSERT_TRUE(waitPlaying(paths[1]));
    EXPECT_TRUE(rowBold(0));
}

TEST_F(PanelPlayErrors, AFailureWithoutAPlayItemOnlyStops) {
    panel->cmdPlay->click();  // nothing to play: the screen window reports an empty path
    ASSERT_TRUE(errors->wait(5000));
    EXPECT_EQ(errors->last().at(0).toString(), QStringLiteral("播放路径为空."));
    EXPECT_EQ(panel->lvPlayErrLogList->topLevelItemCount(), 0);
    EXPECT_FALSE(panel->picPlayErrNote->isVisible());
    EXPECT_EQ(stateWord(), kStopped);
}

TEST_F(PanelPlayErrors, TheNoteAndTheCollapsedListReactToAFailure) {
    const QStringList paths = addFiles(3);
    ASSERT_TRUE(waitPlaying(paths[0]));
    panel->cmdHideShowPL->click();
    ASSERT_TRUE(panel->boolListHidden());
    ASSERT_FALSE(panel->tsLists->isVisible());

    ASSERT_TRUE(mediaFails());
    EXPECT_FALSE(panel->boolListHidden());
    EXPECT_TRUE(panel->tsLists->isVisible());
    EXPECT_TRUE(panel->picPlayErrNote->isVisible());
    panel->tsLists->setCurrentIndex(1);
    EXPECT_FALSE(panel->picPlayErrNote->isVisible());

    panel->cmdPlay->click();
    ASSERT_TRUE(waitPlaying(paths[1]));
    ASSERT_TRUE(mediaFails());
    EXPECT_TRUE(panel->picPlayErrNote->isVisible());
    EXPECT_EQ(panel->labPlayErrLogCount->text(), QStringLiteral("2"));
    QTest::mousePress(panel->lvPlayErrLogList->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(panel->picPlayErrNote->isVisible());

    panel->cmdClearPlayErrLL->click();
    EXPECT_EQ(panel->lvPlayErrLogList->topLevelItemCount(), 0);
    EXPECT_EQ(panel->labPlayErrLogCount->text(), QStringLiteral("0"));
}
