#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "engines/loader/EngineLoader.h"
#include "support/ScreenHarness.h"

// One of the two real engines, as the screen window's tests see it.
struct RealEngine {
    const char* name;
    int id;               // EngineLoader::kRealPlayer or kMediaPlayer
    EngineRule onlyRule;  // the rule that runs this engine alone
    QString cannotPlay;   // the message for a file it cannot play under that rule
};
extern const RealEngine kMpvEngine;
extern const RealEngine kGstEngine;

// A screen window on the real engines of the build, on the first monitor of the private X server, running
// one engine alone.
class RealEngineScreen : public ::testing::Test, public ScreenHarness {
  protected:
    explicit RealEngineScreen(const RealEngine& engine);
    // Skips when the engine's plugin was not built; fails when it was built and does not load.
    void requireEngine();
    // Then a screen window running the engine alone.
    void SetUp() override;

    // A new screen window on both real engines, with the rule.
    void build(EngineRule rule, QRect rect = QRect(100, 100, 640, 360));

    // The engine's own view of its clip.
    double position() const;
    bool playing() const;
    bool paused() const;
    bool stopped() const;
    int volume() const;
    bool mute() const;
    // An mpv property as text, through the mpv engine's accessor for tests.
    static QString mpvProperty(RealPlayerEngine* engine, const char* name);

    // Plays one of the test media and waits until it plays.
    void startClip(const char* name);
    // Plays clip.webm and pauses it once it plays: the video keeps its picture and its window.
    void playAndPause();
    // True when the clip ends with PlayOver, once, and no error.
    bool waitForEnd(int timeoutMs = 20000) const;
    // The next progress report is within a second of `seconds`.
    bool waitForProgressNear(qint64 seconds) const;

    QImage grab() const;
    // Where the picture lies in the window: the box around every pixel that is not black, the time display
    // left out. The test picture reaches all four edges of its frame.
    QRect picture() const;
    // Clicks at a point of the window with real pointer input.
    bool click(QPoint local, int button = 1, int repeat = 1) const;

    const RealEngine& engine;
    EngineLoader loader;
};

// The tests that both engines pass alike.
class EngineScreen : public RealEngineScreen, public ::testing::WithParamInterface<const RealEngine*> {
  protected:
    EngineScreen() : RealEngineScreen(*GetParam()) {}
};

// The parameter's name in test names: "mpv", "gstreamer".
std::string engineName(const ::testing::TestParamInfo<const RealEngine*>& info);
