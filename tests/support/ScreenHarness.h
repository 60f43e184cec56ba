#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "forms/frmScreen.h"
#include "support/ScriptedEngines.h"

// A screen window under test, shown at 640x360, with spies on its errors, ends and progress reports: on
// scripted engines for the widget tests, on the real engines under Xvfb.
class ScreenHarness {
  public:
    // Shows a new screen window on these engines in place of the one before.
    void show(std::unique_ptr<RealPlayerEngine> realEngine, std::unique_ptr<MediaPlayerEngine> mediaEngine,
              QRect rect = QRect(100, 100, 640, 360));
    // A screen window on two scripted engines, with the engine rule.
    void build(EngineRule rule, EngineScript realScript = {}, EngineScript mediaScript = {});

    // A stand-in media file that exists.
    QString mediaFile() const;
    // Loads the stand-in media file and plays it; true when the window accepted the play.
    bool loadAndPlay() { return playFile(mediaFile()); }
    bool playFile(const QString& path);
    bool waitForState(PlayState state, int timeoutMs = 5000) const;
    static bool waitForSignal(const QSignalSpy& spy, int timeoutMs = 5000);
    QString lastError() const;

    QTemporaryDir dir;
    std::unique_ptr<frmScreen> screen;
    ScriptedRealPlayer* real = nullptr;  // the scripted engines, when the window runs on them
    ScriptedMediaPlayer* media = nullptr;
    std::unique_ptr<QSignalSpy> errors;
    std::unique_ptr<QSignalSpy> overs;
    std::unique_ptr<QSignalSpy> progress;
};

class ScreenFixture : public ::testing::Test, public ScreenHarness {};
