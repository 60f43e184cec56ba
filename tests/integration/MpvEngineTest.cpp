// What only engine 1 on libmpv does, in the screen window and on its own; EngineScreenTest.cpp holds what
// both engines do alike.
#include <QDir>
#include <QTest>

#include "support/BuildPaths.h"
#include "support/RealEngineScreen.h"

class MpvScreen : public RealEngineScreen {
  protected:
    MpvScreen() : RealEngineScreen(kMpvEngine) {}
};

// mpv tells each new second as it comes, and where a seek lands even while paused.
TEST_F(MpvScreen, ReportsEverySecondOnceAndASeekWhilePausedAtOnce) {
    startClip("clip.webm");
    ASSERT_TRUE(waitForEnd()) << lastError().toStdString();
    ASSERT_GE(progress->size(), 2);
    for (qsizetype i = 0; i < progress->size(); ++i) EXPECT_EQ(progress->at(i).at(1).toLongLong(), i + 1);

    startClip("clip.webm");
    screen->pause();
    QTest::qWait(300);
    progress->clear();
    screen->setLngJinDu(2);
    ASSERT_TRUE(waitForSignal(*progress));
    EXPECT_EQ(progress->first().at(1).toLongLong(), 2);
    EXPECT_EQ(mpv("pause"), QStringLiteral("yes"));
}

// The engine on its own in a plain window, held to the interface's contract.
class MpvEngineAlone : public MpvScreen {
  protected:
    void SetUp() override {
        requireEngine();
        if (IsSkipped() || HasFatalFailure()) return;
        host.setGeometry(100, 100, 320, 240);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        mpv = loader.createRealPlayer(&host);
        ASSERT_GE(mpv->metaObject()->indexOfMethod("mpvProperty(QString)"), 0) << "not the mpv engine";
        mpv->videoWidget()->setGeometry(host.rect());
        mpv->videoWidget()->show();
        states = std::make_unique<QSignalSpy>(mpv.get(), &RealPlayerEngine::stateChanged);
        failures = std::make_unique<QSignalSpy>(mpv.get(), &RealPlayerEngine::errorMessage);
    }

    bool waitForStates(qsizetype count) {
        return QTest::qWaitFor([&] { return states->size() >= count; }, 15000);
    }
    bool idle() const { return mpvProperty(mpv.get(), "idle-active") == QStringLiteral("yes"); }

    QWidget host;
    std::unique_ptr<RealPlayerEngine> mpv;
    std::unique_ptr<QSignalSpy> states;
    std::unique_ptr<QSignalSpy> failures;
};

TEST_F(MpvEngineAlone, PlaysOnlyWhenToldAndReportsEachStopExactlyOnce) {
    mpv->setSource(built::media("clip.webm"));
    QTest::qWait(500);
    EXPECT_TRUE(idle());
    mpv->play();
    mpv->stop();  // while loading: ended without a word
    QTest::qWait(1500);
    EXPECT_TRUE(states->isEmpty());
    EXPECT_TRUE(idle());

    mpv->play();
    EXPECT_TRUE(states->isEmpty());  // notifications come from the event loop
    ASSERT_TRUE(waitForStates(1));
    EXPECT_TRUE(mpv->canStop());
    mpv->stop();
    EXPECT_FALSE(mpv->canStop());
    mpv->stop();
    mpv->play();
    ASSERT_TRUE(waitForStates(3));
    mpv->pause();
    mpv->setSource(built::media("clip.ogg"));  // paused, then a new clip: stopped once, the new one waits
    QTest::qWait(1500);
    const QList<QVariantList> expected = {{0, 3}, {3, 0}, {0, 3}, {3, 4}, {4, 0}};
    EXPECT_EQ(static_cast<const QList<QVariantList>&>(*states), expected);
    EXPECT_TRUE(failures->isEmpty());
    EXPECT_TRUE(idle());
}

TEST_F(MpvEngineAlone, DestroyedWhilePlayingItEndsAllItsThreads) {
    const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs).size(); };
    mpv.reset();
    const qsizetype before = threads();
    auto playing = loader.createRealPlayer(&host);
    playing->videoWidget()->setGeometry(host.rect());
    playing->videoWidget()->show();
    QSignalSpy started(playing.get(), &RealPlayerEngine::stateChanged);
    playing->setSource(built::media("clip.webm"));
    playing->play();
    ASSERT_TRUE(started.wait(15000));
    EXPECT_GT(threads(), before);
    playing.reset();
    EXPECT_EQ(threads(), before);
    EXPECT_TRUE(host.findChildren<QWidget*>().isEmpty());
}
