#pragma once

#include "engines/loader/EngineLoader.h"
#include "support/ScreenHarness.h"

// One of the two real engines: the rule that runs it alone and the message for a file it cannot play then.
struct RealEngine {
    const char* name;
    int id;  // EngineLoader::kRealPlayer or kMediaPlayer
    EngineRule onlyRule;
    QString cannotPlay;
};
extern const RealEngine kMpvEngine, kGstEngine;

// A screen window on the real engines of the build, on the first monitor of the private X server, running
// one engine alone.
class RealEngineScreen : public ::testing::Test, public ScreenHarness {
  protected:
    explicit RealEngineScreen(const RealEngine& engine);
    // Skips when the engine's plugin was not built; fails when it was built and does not load.
    void requireEngine() { requireEngine(engine); }
    void requireEngine(const RealEngine& needed);
    void SetUp() override;
    void build(EngineRule rule, QRect rect = QRect(100, 100, 640, 360));

    // The engine's own view of its clip; mpv's through the mpv engine's property accessor for tests.
    static QString mpvProperty(RealPlayerEngine* mpv, const char* name);
    QString mpv(const char* name) const { return mpvProperty(screen->realPlayer(), name); }
    MediaPlayerEngine* gst() const {
        return engine.id == EngineLoader::kMediaPlayer ? screen->wmpPlayer() : nullptr;
    }
    // The engine under test, as the object its accessors for tests are invoked on.
    QObject* engineObject() const;
    // What the engine draws the video with: mpv's current output, GStreamer's video sink element by name.
    QString videoOutput() const;
    // How many video outputs the engine has made so far.
    int videoOutputsMade() const;
    double position() const { return gst() ? gst()->currentPosition() : mpv("time-pos").toDouble(); }
    bool playing() const { return gst() ? gst()->playState() == 3 : !stopped() && !paused(); }
    bool paused() const { return gst() ? gst()->playState() == 2 : mpv("pause") == "yes"; }
    bool stopped() const { return gst() ? gst()->playState() == 1 : mpv("idle-active") == "yes"; }
    int volume() const { return gst() ? gst()->volume() : qRound(mpv("volume").toDouble()); }
    bool mute() const { return gst() ? gst()->mute() : mpv("mute") == "yes"; }

    // Plays one of the test media and waits until it plays.
    void startClip(const char* name);
    // Plays clip.webm and pauses it once it plays: the video keeps its picture and its window.
    void playAndPause();
    // True when the clip ends with PlayOver, once, and no error.
    bool waitForEnd() const;
    // The next progress report is within a second of `seconds`.
    bool waitForProgressNear(qint64 seconds) const;

    QImage grab() const;
    // Where the picture lies in the window: the box around every pixel that is not black, the time display
    // left out. The test picture reaches all four edges of its frame.
    QRect picture() const;
    // Whether it lies there, give or take 3 pixels on each side.
    ::testing::AssertionResult pictureAt(QRect expected) const;
    // Clicks at a point of the window with real pointer input; repeat 2 is a double click.
    bool click(QPoint local, int button = 1, int repeat = 1) const;

    const RealEngine& engine;
    EngineLoader loader;
};

// What both engines do alike.
class EngineScreen : public RealEngineScreen, public ::testing::WithParamInterface<const RealEngine*> {
  protected:
    EngineScreen() : RealEngineScreen(*GetParam()) {}
};

// The parameter's name in test names: "mpv", "gstreamer".
std::string engineName(const ::testing::TestParamInfo<const RealEngine*>& info);
