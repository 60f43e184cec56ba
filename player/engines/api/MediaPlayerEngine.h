#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The "Media Player" role (engine 2): an address (URL), transport controls, a polled position in seconds, a
// play state and the current media's duration, settings, and notifications of state changes, media errors
// and mouse input over its video.
//
// Contract the screen window relies on:
// - with autoStart off nothing plays before play(); play() after pause() resumes;
// - playState() is kPlayStatePlaying while it plays; the end of the media is notified as
// kPlayStateMediaEnded;
// - a file it cannot play is notified as MediaError;
// - every notification arrives from the event loop, never from inside the call that caused it.
class MediaPlayerEngine : public QObject {
    Q_OBJECT
  public:
    static constexpr int kPlayStatePlaying = 3;
    static constexpr int kPlayStateMediaEnded = 8;

    using QObject::QObject;
    ~MediaPlayerEngine() override = default;

    virtual QWidget* videoWidget() = 0;

    virtual QString URL() const = 0;
    virtual void setURL(const QString& url) = 0;

    // controls
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual double currentPosition() const = 0;  // seconds
    virtual void setCurrentPosition(double seconds) = 0;

    virtual int playState() const = 0;
    // currentMedia: whether there is one, and its duration in seconds.
    virtual bool hasCurrentMedia() const = 0;
    virtual double duration() const = 0;

    // settings
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;  // 0..100
    virtual bool mute() const = 0;
    virtual void setMute(bool mute) = 0;
    virtual bool autoStart() const = 0;
    virtual void setAutoStart(bool on) = 0;
    virtual void setEnableErrorDialogs(bool on) = 0;
    virtual void setInvokeURLs(bool on) = 0;
    virtual void setEnableContextMenu(bool on) = 0;
    virtual bool fullScreen() const = 0;
    virtual void setFullScreen(bool on) = 0;

    // Error.clearErrorQueue
    virtual void clearErrorQueue() = 0;

  signals:
    void PlayStateChange(int newState);
    void MediaError();
    // Mouse input over the video for an engine that takes it itself; button 2 is the right button.
    void Click(int button, int shift, int x, int y);
    void DoubleClick(int button, int shift, int x, int y);
    void MouseDown(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
};
