// The screen window on each real engine alone, under Xvfb with the generated test media: what both engines
// do alike.
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>

#include "support/BuildPaths.h"
#include "support/GstFeatures.h"
#include "support/RealEngineScreen.h"
#include "support/XTools.h"

using xtools::distinctColours;

INSTANTIATE_TEST_SUITE_P(Real, EngineScreen, ::testing::Values(&kMpvEngine, &kGstEngine), engineName);

TEST_P(EngineScreen, PlaysAClipToItsEndWithProgressAndAMovingPicture) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(playFile(built::media("clip.webm")));
    EXPECT_EQ(screen->lngState(), PlayState::Starting);
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000)) << lastError().toStdString();
    const qint64 playingAt = clock.elapsed();
    EXPECT_TRUE(playing());
    EXPECT_EQ(screen->lngFileLength(), 3);

    QTest::qWait(700);
    const QImage first = grab();
    QTest::qWait(400);
    EXPECT_GT(distinctColours(first), 20);
    EXPECT_NE(grab(), first) << "the picture does not move";

    ASSERT_TRUE(waitForEnd()) << lastError().toStdString();
    const qint64 overAt = clock.elapsed();
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_GE(overAt - playingAt, 2000) << "a 3-second clip ended early";
    EXPECT_TRUE(picture().isEmpty()) << "the engine has not left the window";

    // About one report a second, going forward, with the length of three seconds.
    ASSERT_GE(progress->size(), 2);
    EXPECT_LE(progress->size(), (overAt - playingAt) / 1000 + 1);
    qint64 previous = 0;
    for (const QList<QVariant>& report : *progress) {
        EXPECT_GE(report.at(1).toLongLong(), previous);
        previous = report.at(1).toLongLong();
        EXPECT_EQ(report.at(3).toLongLong(), 3);
        EXPECT_EQ(report.at(4).toString(), QStringLiteral("00:00:03"));
    }

    // Played again from the start after its end.
    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000));
    QTest::qWait(500);
    EXPECT_GT(distinctColours(grab()), 20);
    EXPECT_LT(position(), 2.0);
}

struct Media {
    const char* name;
    int seconds;
};

class EngineScreenMedia : public RealEngineScreen,
                          public ::testing::WithParamInterface<std::tuple<const RealEngine*, Media>> {
  protected:
    EngineScreenMedia() : RealEngineScreen(*std::get<0>(GetParam())) {}
};

// Each kind plays for its length, in real time. The WAV has no picture at all; H.264 and AAC are where
// GStreamer may lack the codecs (see GstEngineTest.cpp).
TEST_P(EngineScreenMedia, PlaysToItsEnd) {
    const Media media = std::get<1>(GetParam());
    if (engine.id == kGstEngine.id && QLatin1String(media.name) == QLatin1String("clip.mp4") &&
        !gstreamerDecodesMp4()) {
        GTEST_SKIP() << "GStreamer here decodes no H.264 or AAC (gstreamer1.0-libav is not installed)";
    }
    startClip(media.name);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitForEnd()) << lastError().toStdString();
    EXPECT_GE(clock.elapsed(), media.seconds * 1000 - 500) << "not played in real time";
}

INSTANTIATE_TEST_SUITE_P(Real, EngineScreenMedia,
                         ::testing::Combine(::testing::Values(&kMpvEngine, &kGstEngine),
                                            ::testing::Values(Media{"clip.mp4", 3}, Media{"clip.ogg", 3},
                                                              Media{"tone.wav", 2})),
                         [](const auto& info) {
                             std::string media = std::get<1>(info.param).name;
                             std::replace(media.begin(), media.end(), '.', '_');
                             return std::string(std::get<0>(info.param)->name) + "_" + media;
                         });

TEST_P(EngineScreen, LoadingDoesNotStartAndStopGoesBackToTheStart) {
    // A name that must be escaped in a URI.
    const QString path = dir.path() + QStringLiteral("/片段 #1 (copy).ogg");
    ASSERT_TRUE(QFile::copy(built::media("clip.ogg"), path));
    screen->setStrFilePath(path);
    QTest::qWait(1500);
    EXPECT_FALSE(playing());
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_TRUE(progress->isEmpty());

    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000));
    QTest::qWait(800);
    EXPECT_GT(position(), 0.3);
    screen->stopPlay();
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(screen->lngJinDu(), 0);
    QTest::qWait(1500);
    EXPECT_TRUE(stopped());
    EXPECT_EQ(position(), 0);
    EXPECT_TRUE(overs->isEmpty());
    EXPECT_TRUE(errors->isEmpty()) << lastError().toStdString();
}

// An end within 1.5 s of a start counts as a failure of the "RealPlayer" engine: no seek here leaves less
// than that of the clip to play.
TEST_P(EngineScreen, SeeksWhileStartingAndWhilePlaying) {
    // Asked for before the engine plays: done once it plays.
    ASSERT_TRUE(playFile(built::media("clip.webm")));
    screen->setLngJinDu(1);
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000));
    QTest::qWait(500);
    EXPECT_GT(position(), 1.2) << "played from the start";

    // Back to the start, then on to 2 s at once.
    ASSERT_TRUE(QTest::qWaitFor([&] { return position() >= 2.0; }, 3000));
    screen->setLngJinDu(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return position() < 1.0; }, 2000));
    EXPECT_NEAR(position(), 0.0, 0.3);
    EXPECT_TRUE(waitForProgressNear(0));
    screen->setLngJinDu(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return position() >= 1.9; }, 500)) << position();
    EXPECT_NEAR(position(), 2.0, 0.3);
    ASSERT_TRUE(waitForEnd()) << lastError().toStdString();
}

TEST_P(EngineScreen, PauseHoldsThePictureSeeksLandAndPlayResumesThere) {
    playAndPause();
    EXPECT_TRUE(paused());
    const double held = position();
    const QImage picture = grab();
    progress->clear();
    QTest::qWait(1000);
    EXPECT_NEAR(position(), held, 0.05);
    EXPECT_EQ(grab(), picture);
    EXPECT_TRUE(progress->isEmpty()) << "progress reported while paused";

    screen->setLngJinDu(2);
    QTest::qWait(500);
    EXPECT_NEAR(position(), 2.0, 0.1);
    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_FALSE(paused());
    EXPECT_GE(position(), 1.9) << "did not resume where it was sought to";
    // Less than 1.5 s of the clip is left since the start: back to 1 s, so that its end counts as an end.
    screen->setLngJinDu(1);
    EXPECT_TRUE(waitForProgressNear(1));
    ASSERT_TRUE(waitForEnd()) << lastError().toStdString();
}

TEST_P(EngineScreen, VolumeAndMuteActOnTheEngineBeforeAndDuringPlay) {
    screen->setIntVolume(55);
    screen->setBoolMute(true);
    startClip("clip.webm");
    EXPECT_EQ(volume(), 55) << "a volume set before playing was lost";
    EXPECT_TRUE(mute());
    for (int level : {0, 1, 55, 100}) {
        screen->setIntVolume(level);
        EXPECT_EQ(volume(), level);
    }
    screen->setBoolMute(false);
    EXPECT_FALSE(mute());
    screen->setBoolMute(true);
    EXPECT_TRUE(mute());
}

TEST_P(EngineScreen, RandomBytesFailWithTheEnginesMessageAndTheNextClipStillPlays) {
    ASSERT_TRUE(playFile(built::media("random.bin")));
    ASSERT_TRUE(waitForSignal(*errors, 20000));
    QTest::qWait(2000);
    ASSERT_EQ(errors->size(), 1);
    EXPECT_EQ(lastError(), engine.cannotPlay);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_TRUE(overs->isEmpty());

    startClip("clip.webm");
    EXPECT_EQ(errors->size(), 1);
}

TEST_P(EngineScreen, ThePictureScalesWithTheWindowAndClicksPassThrough) {
    // 320x240 in 640x360: 480x360, centred.
    playAndPause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return picture().width() > 400; }, 5000));
    EXPECT_TRUE(pictureAt(QRect(80, 0, 480, 360)));

    QSignalSpy clicks(screen.get(), &frmScreen::ClickPlayer);
    QSignalSpy doubles(screen.get(), &frmScreen::DbClickPlayer);
    const QPoint centre(screen->width() / 2, screen->height() / 2);
    ASSERT_TRUE(click(centre));
    ASSERT_TRUE(waitForSignal(clicks));
    QTest::qWait(800);
    ASSERT_TRUE(click(centre, 1, 2));
    ASSERT_TRUE(waitForSignal(doubles));
    QTest::qWait(800);
    EXPECT_EQ(clicks.size(), 1);
    ASSERT_EQ(doubles.size(), 1);
    EXPECT_FALSE(doubles.first().at(0).toBool());
    ASSERT_TRUE(click(centre, 3));
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen->mnuPopuMenu->isVisible(); }, 5000));
    screen->mnuPopuMenu->hide();

    screen->resize(960, 540);
    ASSERT_TRUE(QTest::qWaitFor([&] { return picture().width() > 600; }, 5000));
    EXPECT_TRUE(pictureAt(QRect(120, 0, 720, 540)));

    // Full screen on the second monitor (1920x1080 at 1280,0) while playing.
    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForState(PlayState::Playing));
    screen->setLngMaxLeft(1280);
    screen->setLngMaxTop(0);
    screen->setLngMaxWidth(1920);
    screen->setLngMaxHeight(1080);
    screen->setBoolMaxSize(true);
    // The engine draws at the new size in its own time: slower on a loaded machine.
    (void)QTest::qWaitFor([&] { return static_cast<bool>(pictureAt(QRect(240, 0, 1440, 1080))); }, 10000);
    EXPECT_EQ(screen->geometry(), QRect(1280, 0, 1920, 1080));
    EXPECT_TRUE(pictureAt(QRect(240, 0, 1440, 1080)));
}

TEST_P(EngineScreen, DestroyingThePlayingWindowIsQuick) {
    startClip("clip.webm");
    QElapsedTimer clock;
    clock.start();
    screen.reset();
    qInfo() << "destroyed while playing in" << clock.elapsed() << "ms";
    EXPECT_LT(clock.elapsed(), 2000);
    QTest::qWait(200);  // queued notifications of the gone engine must not arrive anywhere
}
