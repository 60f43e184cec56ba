#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "engines/api/MediaPlayerEngine.h"
#include "engines/api/RealPlayerEngine.h"

// What a scripted engine does when told to play: report playing, fail, or stop by itself, some
// milliseconds later; once playing it may also end by itself.
struct EngineScript {
    enum class Outcome { Plays, Fails, Stops };
    Outcome outcome = Outcome::Plays;
    int afterMs = 5;
    int endAfterMs = -1;  // from playing to the end of the media; -1: never
};

// Engine 1 ("RealPlayer" role) for tests: follows its script, keeps a log of the calls it received.
class ScriptedRealPlayer : public RealPlayerEngine {
    Q_OBJECT
  public:
    explicit ScriptedRealPlayer(EngineScript script = {}) : script(script), m_widget(new QWidget) {}
    ~ScriptedRealPlayer() override { delete m_widget.data(); }

    EngineScript script;
    QStringList calls;
    qint64 length = 60000;
    int countOf(const QString& call) const { return static_cast<int>(calls.count(call)); }

    QWidget* videoWidget() override { return m_widget; }
    void setSource(const QString& path) override;
    void play() override;
    void pause() override;
    void stop() override;
    bool canStop() const override { return m_loaded; }
    qint64 lengthMs() const override { return length; }
    void setPositionMs(qint64 ms) override { calls << QStringLiteral("setPositionMs:%1").arg(ms); }
    void setVolume(int volume) override { calls << QStringLiteral("setVolume:%1").arg(volume); }
    void setMute(bool mute) override { calls << QStringLiteral("setMute:%1").arg(mute); }
    void setDisplayOption(int, bool) override {}

  private:
    void later(int ms, std::function<void()> step);
    void reportStopped();

    QPointer<QWidget> m_widget;
    bool m_loaded = false;
    bool m_paused = false;
    int m_generation = 0;
};

// Engine 2 ("Media Player" role) for tests.
class ScriptedMediaPlayer : public MediaPlayerEngine {
    Q_OBJECT
  public:
    explicit ScriptedMediaPlayer(EngineScript script = {}) : script(script), m_widget(new QWidget) {}
    ~ScriptedMediaPlayer() override { delete m_widget.data(); }

    EngineScript script;
    QStringList calls;
    double position = 0;
    double mediaDuration = 60;
    int countOf(const QString& call) const { return static_cast<int>(calls.count(call)); }

    QWidget* videoWidget() override { return m_widget; }
    QString URL() const override { return m_url; }
    void setURL(const QString& url) override;
    void play() override;
    void pause() override;
    void stop() override;
    double currentPosition() const override { return position; }
    void setCurrentPosition(double seconds) override { position = seconds; }
    int playState() const override { return m_playState; }
    bool hasCurrentMedia() const override { return !m_url.isEmpty(); }
    double duration() const override { return mediaDuration; }
    int volume() const override { return m_volume; }
    void setVolume(int volume) override { m_volume = volume; }
    bool mute() const override { return m_mute; }
    void setMute(bool mute) override { m_mute = mute; }
    bool autoStart() const override { return m_autoStart; }
    void setAutoStart(bool on) override { m_autoStart = on; }
    void setEnableErrorDialogs(bool) override {}
    void setInvokeURLs(bool) override {}
    void setEnableContextMenu(bool) override {}
    bool fullScreen() const override { return m_fullScreen; }
    void setFullScreen(bool on) override { m_fullScreen = on; }
    void clearErrorQueue() override { calls << QStringLiteral("clearErrorQueue"); }

  private:
    void later(int ms, std::function<void()> step);

    QPointer<QWidget> m_widget;
    QString m_url;
    int m_playState = 0;
    int m_volume = 50;
    bool m_mute = false;
    bool m_autoStart = true;
    bool m_fullScreen = false;
    int m_generation = 0;
};
