#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "MpvHandle.h"
#include "engines/api/EngineVideoWidget.h"
#include "engines/api/RealPlayerEngine.h"

// The "RealPlayer" role on libmpv. The video is drawn into a native child widget; mpv takes no mouse input
// there, so clicks on the video travel on to the screen window. mpv lets go of that widget's native window
// before it is destroyed and draws into the next one the widget gets.
//
// mpv's playlist holds at most the one clip; its entry id tells the events of the current clip from those
// of a clip that was stopped or replaced and is still winding down.
class MpvEngine : public RealPlayerEngine {
    Q_OBJECT
  public:
    // Besides the stopped and playing states of the interface.
    static constexpr int kStatePaused = 4;

    // Null when libmpv does not start.
    static std::unique_ptr<MpvEngine> create(QWidget* parent);
    ~MpvEngine() override;

    QWidget* videoWidget() override { return m_video; }
    void setSource(const QString& path) override;
    void play() override;
    void pause() override;
    void stop() override;
    bool canStop() const override { return m_phase == Phase::Playing || m_phase == Phase::Paused; }
    qint64 lengthMs() const override { return m_lengthMs; }
    void setPositionMs(qint64 positionMs) override;
    void setVolume(int volume) override;
    void setMute(bool mute) override;
    void setDisplayOption(int, bool) override {}

    // An mpv property as text, empty when unavailable; for tests.
    Q_INVOKABLE QString mpvProperty(const QString& name) const;
    // How many video outputs mpv has made so far; for tests.
    Q_INVOKABLE int videoOutputsMade() const { return m_videoOutputsMade; }

  private:
    enum class Phase { Idle, Loading, Playing, Paused };

    MpvEngine(std::unique_ptr<MpvHandle> mpv, QWidget* parent);
    static void wakeUp(void* engine);
    void drainEvents();
    void handleEvent(const mpv_event& event);
    void fileEnded(const mpv_event_end_file& end);
    void propertyChanged(quint64 id, const mpv_event_property& property);
    void logMessage(const mpv_event_log_message& message);
    void videoOutputChanged(const char* name);
    void playbackRestarted();
    bool currentClipActive() const { return m_entry != 0 && m_mpvEntry == m_entry; }
    void leaveClip();
    void seekTo(qint64 positionMs);
    void attachVideo();
    void detachVideo();
    void notifyState(int newState);
    void notifyError(const QString& text);

    std::unique_ptr<MpvHandle> m_mpv;
    QPointer<EngineVideoWidget> m_video;
    WId m_wid = 0;  // the window mpv's video output draws into; 0 while it draws nowhere
    QString m_source;
    Phase m_phase = Phase::Idle;
    int m_reportedState = kStateStopped;
    qint64 m_entry = 0;     // playlist entry of the current clip, 0 when there is none
    qint64 m_mpvEntry = 0;  // the entry mpv is working on, between its start and end events
    qint64 m_lengthMs = 0;
    qint64 m_pendingSeekMs = -1;  // asked for while the clip was still loading
    bool m_seeking = false;       // positions before the seek completes are stale
    QString m_videoOutput;        // mpv's current video output, empty while there is none
    int m_videoOutputsMade = 0;
};
