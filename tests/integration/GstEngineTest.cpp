// Engine 2 (GStreamer) in the screen window under Xvfb, with the engine rule "Media Player only", so that
// only this engine runs whether or not the other one is built.
#include <gst/gst.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "integration/RealEngineFixture.h"

namespace {
constexpr EngineRule kMediaOnly = EngineRule::MediaPlayerOnly;
const QString kMediaOnlyFailed =
    QStringLiteral("Media Play无法播放该文件,请通过播放器选择列表使用Real Player重新尝试播放.");

class GstEngineTest : public RealEngineFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(loader.boolInstalled(EngineLoader::kMediaPlayer))
            << loader.strLoadError(EngineLoader::kMediaPlayer).toStdString();
        build(kMediaOnly);
    }

    MediaPlayerEngine* engine() const { return screen->wmpPlayer(); }

    bool waitForPlaying() { return waitForState(PlayState::Playing, 20000); }
    static bool waitForSignal(const QSignalSpy& spy) {
        return QTest::qWaitFor([&] { return !spy.isEmpty(); }, 20000);
    }
    bool waitForOver() { return waitForSignal(*overs); }

    // Plays clip.webm and pauses it once it plays: the sink keeps its picture and its window.
    void playAndPause() {
        ASSERT_TRUE(playFile("clip.webm"));
        ASSERT_TRUE(waitForPlaying());
        QTest::qWait(500);
        screen->pause();
        ASSERT_EQ(screen->lngState(), PlayState::Paused);
        QTest::qWait(500);
    }

    // Where the picture lies in a grab: the box around every pixel that is not black, the time display left
    // out. The test picture reaches all four edges of its frame.
    QRect pictureRect() const {
        const QImage image = grab();
        const QRect timeDisplay = screen->picTimShowBack->geometry();
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 120 || timeDisplay.contains(x, y)) continue;
                box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

    static void expectNear(const QRect& actual, const QRect& expected) {
        constexpr int kSlack = 3;
        EXPECT_LE(std::abs(actual.left() - expected.left()), kSlack) << "left " << actual.left();
        EXPECT_LE(std::abs(actual.top() - expected.top()), kSlack) << "top " << actual.top();
        EXPECT_LE(std::abs(actual.width() - expected.width()), kSlack) << "width " << actual.width();
        EXPECT_LE(std::abs(actual.height() - expected.height()), kSlack) << "height " << actual.height();
    }

    static bool canDecodeH264() {
        if (!gst_init_check(nullptr, nullptr, nullptr)) return false;
        GstElementFactory* factory = gst_element_factory_find("avdec_h264");
        if (factory) gst_object_unref(factory);
        return factory != nullptr;
    }
};

TEST_F(GstEngineTest, PlaysAClipToItsEndWithProgressAndPicture) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(playFile("clip.webm"));
    EXPECT_EQ(screen->lngState(), PlayState::Starting);
    ASSERT_TRUE(waitForPlaying());
    const qint64 playingAt = clock.elapsed();
    EXPECT_EQ(engine()->playState(), MediaPlayerEngine::kPlayStatePlaying);

    QTest::qWait(700);
    const QImage first = grab();
    QTest::qWait(400);
    const QImage later = grab();
    EXPECT_GT(distinctColours(first), 20);
    EXPECT_NE(first, later) << "the picture does not move";

    ASSERT_TRUE(waitForOver());
    const qint64 overAt = clock.elapsed();
    qInfo() << "clip.webm: playing" << playingAt << "ms after play(), ended" << overAt << "ms after play()";
    EXPECT_EQ(overs->size(), 1);
    EXPECT_TRUE(errors->isEmpty()) << lastError().toStdString();
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_GE(overAt - playingAt, 2000) << "a 3-second clip ended early";

    // The screen window polls every second: about one report a second, going forward.
    ASSERT_GE(progress->size(), 2);
    EXPECT_LE(progress->size(), (overAt - playingAt) / 1000 + 1);
    qint64 previous = -1;
    for (const QList<QVariant>& report : *progress) {
        EXPECT_GE(report.at(1).toLongLong(), previous);
        previous = report.at(1).toLongLong();
        EXPECT_EQ(report.at(3).toLongLong(), 3);
        EXPECT_EQ(report.at(4).toString(), QStringLiteral("00:00:03"));
    }

    // Played again from the start after its end.
    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForPlaying());
    QTest::qWait(500);
    EXPECT_GT(distinctColours(grab()), 20);
    EXPECT_LT(engine()->currentPosition(), 2.0);
}

TEST_F(GstEngineTest, AudioOnlyMediaPlaysForItsLength) {
    ASSERT_TRUE(playFile("tone.wav"));
    ASSERT_TRUE(waitForPlaying());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitForOver());
    EXPECT_GE(clock.elapsed(), 1500) << "the 2-second tone was not played in real time";
    EXPECT_TRUE(errors->isEmpty());
}

TEST_F(GstEngineTest, LoadingDoesNotStartAndStopGoesBackToTheStart) {
    // A name that must be escaped in a URI.
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/片段 #1 (copy).ogg");
    ASSERT_TRUE(QFile::copy(media("clip.ogg"), path));
    screen->setStrFilePath(path);
    QTest::qWait(1500);
    EXPECT_NE(engine()->playState(), MediaPlayerEngine::kPlayStatePlaying);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_TRUE(progress->isEmpty());

    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForPlaying());
    QTest::qWait(800);
    EXPECT_GT(engine()->currentPosition(), 0.3);
    screen->stopPlay();
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(engine()->currentPosition(), 0);
    QTest::qWait(1500);
    EXPECT_EQ(engine()->playState(), 1);
    EXPECT_TRUE(overs->isEmpty());
    EXPECT_TRUE(errors->isEmpty()) << lastError().toStdString();
}

TEST_F(GstEngineTest, SeeksWhileStartingAndWhilePlaying) {
    // Asked for before the pipeline has prerolled: done once it plays.
    ASSERT_TRUE(playFile("clip.webm"));
    screen->setLngJinDu(2);
    ASSERT_TRUE(waitForPlaying());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitForOver());
    EXPECT_LT(clock.elapsed(), 2500) << "played from the start";

    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForPlaying());
    clock.restart();
    screen->setLngJinDu(2);
    double position = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (position = engine()->currentPosition()) >= 1.5; }, 3000));
    EXPECT_NEAR(position, 2.0, 1.0);
    ASSERT_TRUE(waitForOver());
    EXPECT_LT(clock.elapsed(), 2500) << "the last second took too long: the seek did not happen";
}

TEST_F(GstEngineTest, PausesSeeksWhilePausedAndResumes) {
    playAndPause();
    EXPECT_EQ(engine()->playState(), 2);
    const double pausedAt = engine()->currentPosition();
    const qsizetype reports = progress->size();
    QTest::qWait(1200);
    EXPECT_NEAR(engine()->currentPosition(), pausedAt, 0.05);
    EXPECT_EQ(progress->size(), reports) << "progress reported while paused";

    screen->setLngJinDu(2);
    QTest::qWait(500);
    EXPECT_NEAR(engine()->currentPosition(), 2.0, 1.0);
    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForPlaying());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitForOver());
    EXPECT_LT(clock.elapsed(), 2500) << "did not resume where it was sought to";
    EXPECT_TRUE(errors->isEmpty());
}

TEST_F(GstEngineTest, VolumeAndMuteReachThePipeline) {
    screen->setIntVolume(40);
    ASSERT_TRUE(playFile("clip.webm"));
    ASSERT_TRUE(waitForPlaying());
    EXPECT_EQ(engine()->volume(), 40) << "a volume set before playing was lost";
    for (int volume : {0, 1, 55, 100}) {
        screen->setIntVolume(volume);
        EXPECT_EQ(engine()->volume(), volume);
    }
    screen->setBoolMute(true);
    EXPECT_TRUE(engine()->mute());
    screen->setBoolMute(false);
    EXPECT_FALSE(engine()->mute());
}

TEST_F(GstEngineTest, H264FailsWithTheMediaOnlyMessageUnlessItCanBeDecoded) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(playFile("clip.mp4"));
    if (canDecodeH264()) {
        EXPECT_TRUE(waitForPlaying());
        return;
    }
    ASSERT_TRUE(waitForSignal(*errors));
    qInfo() << "clip.mp4: error" << clock.elapsed() << "ms after play()";
    QTest::qWait(1000);
    ASSERT_EQ(errors->size(), 1);
    EXPECT_EQ(lastError(), kMediaOnlyFailed);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_NE(engine()->playState(), MediaPlayerEngine::kPlayStatePlaying);
    EXPECT_TRUE(overs->isEmpty());
}

TEST_F(GstEngineTest, RandomBytesFailAndTheNextFilePlays) {
    ASSERT_TRUE(playFile("random.bin"));
    ASSERT_TRUE(waitForSignal(*errors));
    QTest::qWait(1000);
    ASSERT_EQ(errors->size(), 1);
    EXPECT_EQ(lastError(), kMediaOnlyFailed);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);

    ASSERT_TRUE(playFile("clip.webm"));
    EXPECT_TRUE(waitForPlaying());
    EXPECT_EQ(errors->size(), 1);
}

TEST_F(GstEngineTest, ClicksOnTheVideoReachTheScreenWindow) {
    playAndPause();
    QSignalSpy clicks(screen.get(), &frmScreen::ClickPlayer);
    QSignalSpy doubleClicks(screen.get(), &frmScreen::DbClickPlayer);
    const QPoint centre(screen->width() / 2, screen->height() / 2);

    xdotoolClick(centre);
    EXPECT_TRUE(waitForSignal(clicks));

    xdotoolClick(centre, 1, 2);
    ASSERT_TRUE(waitForSignal(doubleClicks));
    EXPECT_FALSE(doubleClicks.first().at(0).toBool());

    xdotoolClick(centre, 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen->mnuPopuMenu->isVisible(); }, 5000));
    screen->mnuPopuMenu->hide();
}

TEST_F(GstEngineTest, PictureScalesWithTheWindowAndKeepsItsAspect) {
    // 320x240 in 640x360: 480x360, centred.
    playAndPause();
    expectNear(pictureRect(), QRect(80, 0, 480, 360));

    screen->resize(960, 540);
    QTest::qWait(700);
    expectNear(pictureRect(), QRect(120, 0, 720, 540));

    // Full screen on the second monitor (1920x1080 at 1280,0) while playing.
    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForPlaying());
    screen->setLngMaxLeft(1280);
    screen->setLngMaxTop(0);
    screen->setLngMaxWidth(1920);
    screen->setLngMaxHeight(1080);
    screen->setBoolMaxSize(true);
    QTest::qWait(700);
    EXPECT_EQ(screen->geometry(), QRect(1280, 0, 1920, 1080));
    expectNear(pictureRect(), QRect(240, 0, 1440, 1080));
}

TEST_F(GstEngineTest, DestroyingThePlayingWindowIsQuick) {
    ASSERT_TRUE(playFile("clip.webm"));
    ASSERT_TRUE(waitForPlaying());
    QElapsedTimer clock;
    clock.start();
    screen.reset();
    qInfo() << "destroyed while playing in" << clock.elapsed() << "ms";
    EXPECT_LT(clock.elapsed(), 2000);
    QTest::qWait(200);  // queued notifications of the gone engine must not arrive anywhere
}
}  // namespace
