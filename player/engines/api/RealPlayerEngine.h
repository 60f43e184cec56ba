#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The "RealPlayer" role (engine 1): a clip source it plays when told, pushed notifications of position and
// state, positions and lengths in milliseconds.
//
// Contract the screen window relies on:
// - nothing plays before play(); play() after pause() resumes;
// - canStop() is true while a clip is loaded (playing or paused); stop() on such an engine, and a new clip
//   source given to it, each end in exactly one stateChanged(old, kStateStopped);
// - every notification arrives from the event loop, never from inside the call that caused it.
class RealPlayerEngine : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStateStopped = 0;
    static constexpr int kStatePlaying = 3;

    using QObject::QObject;
    ~RealPlayerEngine() override = default;

    // The widget the video is drawn in, a child of the screen window.
    virtual QWidget* videoWidget() = 0;

    virtual void setSource(const QString& path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual bool canStop() const = 0;
    virtual qint64 lengthMs() const = 0;
    virtual void setPositionMs(qint64 positionMs) = 0;
    virtual void setVolume(int volume) = 0;  // 0..100
    virtual void setMute(bool mute) = 0;
    // Display options by number; an engine without such an option ignores it.
    virtual void setDisplayOption(int option, bool on) = 0;

  signals:
    void positionChanged(qint64 positionMs, qint64 lengthMs);
    void stateChanged(int oldState, int newState);
    void errorMessage(const QString& text);
    // The pointer over the video, in the video widget's coordinates.
    void pointerNotification(int code, int x, int y);
};
