#include "support/ScreenHarness.h"

namespace {
using Outcome = EngineScript::Outcome;
const EngineScript kFails{Outcome::Fails, 5, -1};
const EngineScript kPlays{Outcome::Plays, 5, -1};
}  // namespace

class FrmScreenEngines : public ScreenFixture {};

TEST_F(FrmScreenEngines, TheRulePicksTheFirstEngine) {
    build(EngineRule::RealPlayerOnly);
    for (const auto& [rule, engine] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 1}, std::pair{3, 2}}) {
        screen->setLngPlayRuler(EngineRule{rule});
        screen->setStrFilePath(mediaFile());
        EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine{engine}) << "rule " << rule;
        EXPECT_EQ(media->videoWidget()->isVisibleTo(screen.get()), engine == 2);
        EXPECT_EQ(real->videoWidget()->isVisibleTo(screen.get()), engine == 1);
    }
    screen->setLngPlayRuler(EngineRule{9});  // no engine for an unknown rule: the shown one stays
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::MediaPlayer);
}

TEST_F(FrmScreenEngines, EachRuleStartsItsEngineOneTurnAfterPlay) {
    for (const auto& [rule, engine] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 1}, std::pair{3, 2}}) {
        build(EngineRule{rule});
        ASSERT_TRUE(loadAndPlay());
        EXPECT_EQ(screen->lngState(), PlayState::Starting);
        EXPECT_EQ(real->countOf(QStringLiteral("play")) + media->countOf(QStringLiteral("play")), 0);
        ASSERT_TRUE(waitForState(PlayState::Playing)) << "rule " << rule;
        EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine{engine});
        EXPECT_EQ(real->countOf(QStringLiteral("play")), engine == 1 ? 1 : 0);
        EXPECT_EQ(media->countOf(QStringLiteral("play")), engine == 2 ? 1 : 0);
        EXPECT_EQ(media->countOf(QStringLiteral("autoStart was on")), 0);
        EXPECT_TRUE(errors->isEmpty());
    }
}

TEST_F(FrmScreenEngines, APreferRuleFallsBackOnceToTheOtherEngine) {
    build(EngineRule::PreferMediaPlayer, kPlays, kFails);
    ASSERT_TRUE(startPlaying());
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::RealPlayer);
    EXPECT_EQ(media->countOf(QStringLiteral("clearErrorQueue")), 1);

    build(EngineRule::PreferRealPlayer, kFails, kPlays);
    ASSERT_TRUE(startPlaying());
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::MediaPlayer);
    EXPECT_TRUE(errors->isEmpty());
}

TEST_F(FrmScreenEngines, FailuresEndInTheRulesMessage) {
    struct Case {
        int rule;
        QString message;
        int realPlays, mediaPlays;
    };
    const Case cases[] = {
        {0, QStringLiteral("无法识别的文件格式"), 1, 1},
        {1, QStringLiteral("无法识别的文件格式."), 1, 1},
        {2, QStringLiteral("Real Play无法播放该文件,请通过播放器选择列表使用Media Player重新尝试播放."), 1,
         0},
        {3, QStringLiteral("Media Play无法播放该文件,请通过播放器选择列表使用Real Player重新尝试播放."), 0,
         1},
    };
    for (const Case& c : cases) {
        build(EngineRule{c.rule}, kFails, kFails);
        ASSERT_TRUE(loadAndPlay());
        ASSERT_TRUE(errors->wait(5000)) << "rule " << c.rule;
        EXPECT_EQ(lastError(), c.message);
        QTest::qWait(50);
        EXPECT_EQ(errors->size(), 1);
        EXPECT_EQ(screen->lngState(), PlayState::Stopped);
        EXPECT_EQ(real->countOf(QStringLiteral("play")), c.realPlays) << "rule " << c.rule;
        EXPECT_EQ(media->countOf(QStringLiteral("play")), c.mediaPlays) << "rule " << c.rule;
    }
}

TEST_F(FrmScreenEngines, ARealPlayerStopInsideTheStartWindowIsAFailureAndLaterTheEnd) {
    build(EngineRule::RealPlayerOnly, {Outcome::Stops, 100, -1});
    ASSERT_TRUE(loadAndPlay());
    ASSERT_TRUE(errors->wait(5000));
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Real Play")));
    EXPECT_TRUE(overs->isEmpty());

    build(EngineRule::RealPlayerOnly, {Outcome::Plays, 5, 2000});
    ASSERT_TRUE(loadAndPlay());
    ASSERT_TRUE(overs->wait(10000));
    EXPECT_TRUE(errors->isEmpty());
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
}

TEST_F(FrmScreenEngines, TheUsersStopIsExpectedAndRaisesNothing) {
    build(EngineRule::RealPlayerOnly);
    ASSERT_TRUE(startPlaying());
    screen->stopPlay();
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    QTest::qWait(100);
    EXPECT_TRUE(overs->isEmpty());
    EXPECT_TRUE(errors->isEmpty());
    EXPECT_EQ(real->countOf(QStringLiteral("stop")), 1);
}

TEST_F(FrmScreenEngines, TheMediaPlayersEndRaisesPlayOver) {
    build(EngineRule::MediaPlayerOnly, kPlays, {Outcome::Plays, 5, 50});
    ASSERT_TRUE(loadAndPlay());
    ASSERT_TRUE(overs->wait(5000));
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(screen->labMovieTimShow->text().left(8), QStringLiteral("00:00:00"));
}

TEST_F(FrmScreenEngines, PlayRefusesEmptyMissingAndBusy) {
    build(EngineRule::RealPlayerOnly);
    screen->setStrFilePath(QStringLiteral("   "));
    EXPECT_FALSE(screen->play());
    EXPECT_TRUE(errors->isEmpty());  // raised one turn later, never from inside the call
    ASSERT_TRUE(errors->wait(2000));
    EXPECT_EQ(lastError(), QStringLiteral("播放路径为空."));

    screen->setStrFilePath(dir.path() + QStringLiteral("/missing.webm"));
    EXPECT_FALSE(screen->play());
    ASSERT_TRUE(errors->wait(2000));
    EXPECT_EQ(lastError(), QStringLiteral("要播放的文件不存在."));

    screen->setStrFilePath(QStringLiteral("HTTP://example.invalid/stream"));
    EXPECT_TRUE(screen->play());
    EXPECT_FALSE(screen->play());  // already starting
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_FALSE(screen->play());
    QTest::qWait(50);
    EXPECT_EQ(errors->size(), 2);
}

TEST_F(FrmScreenEngines, StopDuringAStartDoesNotCancelIt) {
    build(EngineRule::RealPlayerOnly);
    ASSERT_TRUE(loadAndPlay());
    screen->stopPlay();
    EXPECT_EQ(screen->lngState(), PlayState::Starting);
    ASSERT_TRUE(waitForState(PlayState::Playing));
    screen->pause();
    EXPECT_EQ(screen->lngState(), PlayState::Paused);
    EXPECT_EQ(real->countOf(QStringLiteral("pause")), 1);
    screen->stopPlay();
    screen->pause();  // stopped: nothing
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(real->countOf(QStringLiteral("pause")), 1);
}

TEST_F(FrmScreenEngines, AnEqualRuleDoesNothingAndAnotherStops) {
    build(EngineRule::RealPlayerOnly);
    ASSERT_TRUE(startPlaying());
    screen->setLngPlayRuler(EngineRule::RealPlayerOnly);
    EXPECT_EQ(screen->lngState(), PlayState::Playing);
    EXPECT_EQ(real->countOf(QStringLiteral("stop")), 0);
    screen->setLngPlayRuler(EngineRule::MediaPlayerOnly);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::MediaPlayer);
    QTest::qWait(50);
    EXPECT_TRUE(overs->isEmpty() && errors->isEmpty());
}

TEST_F(FrmScreenEngines, QuotedPathsLoseTheirQuotes) {
    build(EngineRule::MediaPlayerOnly);
    screen->setStrFilePath(QStringLiteral("\"/media/a b.webm\""));
    EXPECT_EQ(screen->strFilePath(), QStringLiteral("/media/a b.webm"));
    EXPECT_TRUE(real->calls.contains(QStringLiteral("setSource:/media/a b.webm")));
    screen->setStrFilePath(QStringLiteral("\"\""));
    EXPECT_EQ(screen->strFilePath(), QStringLiteral("\"\""));
}

TEST_F(FrmScreenEngines, ProgressFromEitherEngine) {
    build(EngineRule::RealPlayerOnly);
    ASSERT_TRUE(startPlaying());
    real->length = 7200000;
    emit real->positionChanged(3725400, 7200000);
    emit real->positionChanged(3725900, 7200000);  // same second: no second report
    ASSERT_EQ(progress->size(), 1);
    EXPECT_EQ(progress->at(0).at(0).toLongLong(), 52);
    EXPECT_EQ(progress->at(0).at(1).toLongLong(), 3725);
    EXPECT_EQ(progress->at(0).at(2).toString(), QStringLiteral("01:02:05"));
    EXPECT_EQ(progress->at(0).at(4).toString(), QStringLiteral("02:00:00"));
    EXPECT_EQ(screen->labMovieTimShow->text(), QStringLiteral("01:02:05 / 02:00:00"));
    EXPECT_EQ(screen->lngFileLength(), 7200);
    EXPECT_EQ(frmScreen::strGetTimStringBySecValue(360000), QStringLiteral("100:00:00"));

    build(EngineRule::MediaPlayerOnly);
    ASSERT_TRUE(startPlaying());
    media->position = 15.4;
    ASSERT_TRUE(progress->wait(3000));
    EXPECT_EQ(progress->last().at(0).toLongLong(), 26);
    EXPECT_EQ(progress->last().at(1).toLongLong(), 15);
    EXPECT_EQ(progress->last().at(2).toString(), QStringLiteral("00:00:15"));
    EXPECT_EQ(progress->last().at(3).toLongLong(), 60);
}

TEST_F(FrmScreenEngines, VolumeMuteAndSeekReachBothEngines) {
    build(EngineRule::RealPlayerOnly);
    screen->setBoolMute(true);
    screen->setIntVolume(70);
    EXPECT_FALSE(screen->boolMute());
    EXPECT_FALSE(media->mute());  // the engines follow what the window says
    EXPECT_EQ(media->volume(), 70);
    EXPECT_TRUE(real->calls.contains(QStringLiteral("setVolume:70")));
    screen->setLngJinDu(42);
    EXPECT_DOUBLE_EQ(media->position, 42.0);
    EXPECT_TRUE(real->calls.contains(QStringLiteral("setPositionMs:42000")));
    EXPECT_EQ(screen->lngJinDu(), 42);

    ASSERT_TRUE(loadAndPlay());  // from a stop the RealPlayer seeks to the set position once it plays
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_TRUE(real->calls.contains(QStringLiteral("setPositionMs:0")));
    EXPECT_EQ(real->calls.last(), QStringLiteral("setMute:0"));
}
