// Engine 1 on libmpv, in the screen window and on its own, under Xvfb with the generated test media.
#include <QDir>

#include "integration/RealEngineFixture.h"

namespace {
constexpr EngineRule kRealPlayerOnly = EngineRule::RealPlayerOnly;

// The mpv property behind the engine, through the engine's test accessor.
QString mpvProperty(RealPlayerEngine* engine, const char* name) {
    QString value;
    QMetaObject::invokeMethod(engine, "mpvProperty", Qt::DirectConnection, Q_RETURN_ARG(QString, value),
                              Q_ARG(QString, QString::fromLatin1(name)));
    return value;
}

// The box around everything in a screenshot that is not black, below the time display.
QRect pictureBox(const QImage& image) {
    QRect box;
    for (int y = 30; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 60) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}
}  // namespace

class MpvScreen : public RealEngineFixture {
  protected:
    RealPlayerEngine* engine() const { return screen->realPlayer(); }

    void startClip(const char* name) {
        ASSERT_TRUE(playFile(name));
        ASSERT_TRUE(waitForState(PlayState::Playing));
    }

    bool waitForEnd() {
        return QTest::qWaitFor([&] { return !overs->isEmpty() || !errors->isEmpty(); }, 20000) &&
               overs->size() == 1 && errors->isEmpty();
    }

    bool waitForProgressNear(qint64 seconds) {
        progress->clear();
        return QTest::qWaitFor([&] { return !progress->isEmpty(); }, 10000) &&
               std::abs(progress->first().at(1).toLongLong() - seconds) <= 1;
    }
};

TEST_F(MpvScreen, PlaysAClipToItsEndShowingTheMovingPictureAndItsProgress) {
    build(kRealPlayerOnly);
    startClip("clip.webm");
    EXPECT_EQ(screen->lngFileLength(), 3);
    QTest::qWait(600);
    const QImage early = grab();
    QTest::qWait(500);
    EXPECT_GT(distinctColours(early), 20);
    EXPECT_NE(grab(), early);

    ASSERT_TRUE(waitForEnd()) << qPrintable(lastError());
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    ASSERT_GE(progress->size(), 2);  // one report a second, with the length of three seconds
    for (qsizetype i = 0; i < progress->size(); ++i) {
        EXPECT_EQ(progress->at(i).at(1).toLongLong(), i + 1);
        EXPECT_EQ(progress->at(i).at(3).toLongLong(), 3);
    }
    EXPECT_TRUE(pictureBox(grab()).isEmpty());  // mpv has left the window
}

class MpvScreenMedia : public MpvScreen, public ::testing::WithParamInterface<const char*> {};

TEST_P(MpvScreenMedia, PlaysToItsEnd) {
    build(kRealPlayerOnly);
    startClip(GetParam());
    ASSERT_TRUE(waitForEnd()) << qPrintable(lastError());
}

// H.264 is where the other engine may lack the codec; the WAV has no picture at all.
INSTANTIATE_TEST_SUITE_P(Mpv, MpvScreenMedia, ::testing::Values("clip.mp4", "clip.ogg", "tone.wav"));

// The clip is short and an end within 1.5 s of the start counts as a failure, so the first seek is made
// while paused, where only the seek can move the position.
TEST_F(MpvScreen, PauseHoldsThePictureSeeksLandAtTheirTargetsAndPlayResumes) {
    build(kRealPlayerOnly);
    startClip("clip.webm");
    screen->pause();
    QTest::qWait(300);
    EXPECT_EQ(mpvProperty(engine(), "pause"), QStringLiteral("yes"));
    const double held = mpvProperty(engine(), "time-pos").toDouble();
    const QImage picture = grab();
    progress->clear();
    QTest::qWait(1000);
    EXPECT_NEAR(mpvProperty(engine(), "time-pos").toDouble(), held, 0.05);
    EXPECT_EQ(grab(), picture);
    EXPECT_TRUE(progress->isEmpty());

    screen->setLngJinDu(2);
    EXPECT_TRUE(waitForProgressNear(2));
    EXPECT_NEAR(mpvProperty(engine(), "time-pos").toDouble(), 2.0, 0.1);
    QTest::qWait(500);
    ASSERT_TRUE(screen->play());
    ASSERT_TRUE(waitForState(PlayState::Playing));
    EXPECT_EQ(mpvProperty(engine(), "pause"), QStringLiteral("no"));
    screen->setLngJinDu(1);
    EXPECT_TRUE(waitForProgressNear(1));
    ASSERT_TRUE(waitForEnd()) << qPrintable(lastError());
}

TEST_F(MpvScreen, VolumeAndMuteActOnMpvBeforeAndDuringPlay) {
    build(kRealPlayerOnly);
    screen->setIntVolume(55);
    screen->setBoolMute(true);
    startClip("clip.webm");
    EXPECT_EQ(mpvProperty(engine(), "volume").toDouble(), 55.0);
    EXPECT_EQ(mpvProperty(engine(), "mute"), QStringLiteral("yes"));
    screen->setBoolMute(false);
    screen->setIntVolume(0);
    EXPECT_EQ(mpvProperty(engine(), "mute"), QStringLiteral("no"));
    EXPECT_EQ(mpvProperty(engine(), "volume").toDouble(), 0.0);
}

TEST_F(MpvScreen, RandomBytesFailWithTheRealPlayerOnlyMessageAndTheNextClipStillPlays) {
    build(kRealPlayerOnly);
    ASSERT_TRUE(playFile("random.bin"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errors->isEmpty(); }, 15000));
    QTest::qWait(2000);
    ASSERT_EQ(errors->size(), 1);
    EXPECT_EQ(lastError(),
              QStringLiteral("Real Play无法播放该文件,请通过播放器选择列表使用Media Player重新尝试播放."));
    EXPECT_TRUE(overs->isEmpty());
    startClip("clip.webm");
}

TEST_F(MpvScreen, TheVideoPassesClicksOnAndScalesWithTheWindow) {
    build(kRealPlayerOnly, QRect(100, 100, 640, 360));
    startClip("clip.webm");
    screen->pause();  // the video stays up
    ASSERT_TRUE(QTest::qWaitFor([&] { return pictureBox(grab()).width() > 400; }, 5000));
    QRect box = pictureBox(grab());  // the 4:3 picture fills the height, centred
    EXPECT_NEAR(box.width(), 480, 8);
    EXPECT_NEAR(box.center().x(), 320, 8);
    EXPECT_NEAR(box.bottom(), 359, 8);

    QSignalSpy clicks(screen.get(), &frmScreen::ClickPlayer);
    QSignalSpy doubles(screen.get(), &frmScreen::DbClickPlayer);
    xdotoolClick(box.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clicks.isEmpty(); }, 5000));
    QTest::qWait(800);
    xdotoolClick(box.center(), 1, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !doubles.isEmpty(); }, 5000));
    QTest::qWait(800);
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(doubles.size(), 1);

    screen->resize(960, 540);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pictureBox(grab()).width() > 600; }, 5000));
    box = pictureBox(grab());
    EXPECT_NEAR(box.width(), 720, 8);
    EXPECT_NEAR(box.center().x(), 480, 8);
    EXPECT_NEAR(box.bottom(), 539, 8);
}

// The engine on its own in a plain window, held to the interface's contract.
class MpvEngineAlone : public RealEngineFixture {
  protected:
    void SetUp() override {
        host.setGeometry(100, 100, 320, 240);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        engine = loader.createRealPlayer(&host);
        ASSERT_GE(engine->metaObject()->indexOfMethod("mpvProperty(QString)"), 0) << "not the mpv engine";
        engine->videoWidget()->setGeometry(host.rect());
        engine->videoWidget()->show();
        states = std::make_unique<QSignalSpy>(engine.get(), &RealPlayerEngine::stateChanged);
        failures = std::make_unique<QSignalSpy>(engine.get(), &RealPlayerEngine::errorMessage);
    }

    bool waitForStates(qsizetype count) {
        return QTest::qWaitFor([&] { return states->size() >= count; }, 15000);
    }
    bool idle() const { return mpvProperty(engine.get(), "idle-active") == QStringLiteral("yes"); }

    QWidget host;
    std::unique_ptr<RealPlayerEngine> engine;
    std::unique_ptr<QSignalSpy> states;
    std::unique_ptr<QSignalSpy> failures;
};

TEST_F(MpvEngineAlone, PlaysOnlyWhenToldAndReportsEachStopExactlyOnce) {
    engine->setSource(media("clip.webm"));
    QTest::qWait(500);
    EXPECT_TRUE(idle());
    engine->play();
    engine->stop();  // while loading: ended without a word
    QTest::qWait(1500);
    EXPECT_TRUE(states->isEmpty());
    EXPECT_TRUE(idle());

    engine->play();
    EXPECT_TRUE(states->isEmpty());  // notifications come from the event loop
    ASSERT_TRUE(waitForStates(1));
    EXPECT_TRUE(engine->canStop());
    engine->stop();
    EXPECT_FALSE(engine->canStop());
    engine->stop();
    engine->play();
    ASSERT_TRUE(waitForStates(3));
    engine->pause();
    engine->setSource(media("clip.ogg"));  // paused, then a new clip: stopped once, the new one waits
    QTest::qWait(1500);
    const QList<QVariantList> expected = {{0, 3}, {3, 0}, {0, 3}, {3, 4}, {4, 0}};
    EXPECT_EQ(static_cast<const QList<QVariantList>&>(*states), expected);
    EXPECT_TRUE(failures->isEmpty());
    EXPECT_TRUE(idle());
}

TEST_F(MpvEngineAlone, DestroyedWhilePlayingItEndsAllItsThreads) {
    const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs).size(); };
    engine.reset();
    const qsizetype before = threads();
    auto playing = loader.createRealPlayer(&host);
    playing->videoWidget()->setGeometry(host.rect());
    playing->videoWidget()->show();
    QSignalSpy started(playing.get(), &RealPlayerEngine::stateChanged);
    playing->setSource(media("clip.webm"));
    playing->play();
    ASSERT_TRUE(started.wait(15000));
    EXPECT_GT(threads(), before);
    playing.reset();
    EXPECT_EQ(threads(), before);
    EXPECT_TRUE(host.findChildren<QWidget*>().isEmpty());
}
