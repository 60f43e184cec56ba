#pragma once

#include <QPointer>
#include <QTimer>
#include <memory>

#include "engines/api/MediaPlayerEngine.h"

class PlaybinPipeline;
class EngineVideoWidget;

// Engine 2, the "Media Player" role, on a GStreamer playbin. Play states follow Windows Media Player:
// 0 undefined (no media), 1 stopped, 2 paused, 3 playing, 8 media ended, 9 transitioning (starting),
// 10 ready (media set, or after a failure). The video fills a native child widget of the parent, keeps
// its aspect ratio and lets mouse input through to the parent, so this engine never raises Click,
// DoubleClick, MouseDown or MouseUp.
class GStreamerMediaPlayer : public MediaPlayerEngine {
    Q_OBJECT
  public:
    static constexpr int kPlayStateUndefined = 0;
    static constexpr int kPlayStateStopped = 1;
    static constexpr int kPlayStatePaused = 2;
    static constexpr int kPlayStateTransitioning = 9;
    static constexpr int kPlayStateReady = 10;
    // A start that reaches neither playing nor an error within this time counts as a failure.
    static constexpr int kStartTimeoutMs = 30000;

    explicit GStreamerMediaPlayer(QWidget* parent = nullptr);
    ~GStreamerMediaPlayer() override;

    QWidget* videoWidget() override;

    QString URL() const override { return m_url; }
    void setURL(const QString& url) override;

    void play() override;
    void pause() override;
    void stop() override;
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;

    int playState() const override { return m_playState; }
    bool hasCurrentMedia() const override { return !m_url.isEmpty(); }
    double duration() const override;

    int volume() const override;
    void setVolume(int volume) override;
    bool mute() const override;
    void setMute(bool mute) override;
    bool autoStart() const override { return m_autoStart; }
    void setAutoStart(bool on) override { m_autoStart = on; }
    bool enableErrorDialogs() const { return m_enableErrorDialogs; }
    void setEnableErrorDialogs(bool on) override { m_enableErrorDialogs = on; }
    bool invokeURLs() const { return m_invokeURLs; }
    void setInvokeURLs(bool on) override { m_invokeURLs = on; }
    bool enableContextMenu() const { return m_enableContextMenu; }
    void setEnableContextMenu(bool on) override { m_enableContextMenu = on; }
    // Only a flag: the engine never makes a window full screen; the screen window does that itself.
    bool fullScreen() const override { return m_fullScreen; }
    void setFullScreen(bool on) override { m_fullScreen = on; }

    // Errors are not queued: each one is notified once, as MediaError.
    void clearErrorQueue() override {}

    // The video sink, by element name, and how often it has opened the display; for tests.
    Q_INVOKABLE QString videoSinkName() const;
    Q_INVOKABLE int videoOutputsMade() const;

  private:
    void pipeline_StateChanged();
    void pipeline_EndOfStream();
    void fail(const QString& message);
    // From a call of the host the notification waits for the event loop; from a bus message it is direct.
    void setPlayState(int state, bool notifyLater);
    void resetPipeline();
    void placeVideo();
    void askForFramesOfTheWindowSize();

    std::unique_ptr<PlaybinPipeline> m_pipeline;
    QPointer<EngineVideoWidget> m_video;
    QTimer m_startWatchdog;
    // A run of resizes asks the sink for frames of the new size once, when it has settled.
    static constexpr int kFrameSizeDelayMs = 50;
    QTimer m_frameSizeDelay;

    QString m_url;
    int m_playState = kPlayStateUndefined;
    bool m_wantPlaying = false;
    double m_pendingSeek = -1;  // seconds, applied once the pipeline has prerolled
    mutable double m_duration = 0;
    bool m_autoStart = true;
    bool m_enableErrorDialogs = false;
    bool m_invokeURLs = true;
    bool m_enableContextMenu = true;
    bool m_fullScreen = false;
};
