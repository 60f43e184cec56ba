#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "forms/frmScreen.h"
#include "support/BuildPaths.h"
#include "support/ScriptedEngines.h"

// A screen window under test, shown, with spies on its errors, ends and progress reports: on scripted
// engines for the widget tests, on the real engines under Xvfb.
class ScreenHarness {
  public:
    // Shows a new screen window on these engines in place of the one before.
    void show(std::unique_ptr<RealPlayerEngine> realEngine, std::unique_ptr<MediaPlayerEngine> mediaEngine,
              QRect rect = QRect(100, 100, 640, 360));
    // A screen window on two scripted engines, with the engine rule.
    void build(EngineRule rule, EngineScript realScript = {}, EngineScript mediaScript = {});

    QString mediaFile() const { return makeStandInMedia(dir.path() + QStringLiteral("/clip.webm")); }
    bool loadAndPlay() { return playFile(mediaFile()); }
    // Loads the stand-in file and plays it; true once it plays.
    bool startPlaying() { return loadAndPlay() && waitForState(PlayState::Playing); }
    // True when the window accepted the play.
    bool playFile(const QString& path);
    bool waitForState(PlayState state, int timeoutMs = 5000) const {
        return QTest::qWaitFor([&] { return screen->lngState() == state; }, timeoutMs);
    }
    static bool waitForSignal(const QSignalSpy& spy, int timeoutMs = 5000) {
        return QTest::qWaitFor([&] { return !spy.isEmpty(); }, timeoutMs);
    }
    QString lastError() const { return errors->isEmpty() ? QString() : errors->last().at(0).toString(); }

    QTemporaryDir dir;
    std::unique_ptr<frmScreen> screen;
    ScriptedRealPlayer* real = nullptr;  // the scripted engines, when the window runs on them
    ScriptedMediaPlayer* media = nullptr;
    std::unique_ptr<QSignalSpy> errors, overs, progress;
};

class ScreenFixture : public ::testing::Test, public ScreenHarness {};
