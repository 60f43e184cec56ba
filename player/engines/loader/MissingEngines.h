#pragma once

#include <QPointer>
#include <QWidget>

#include "engines/api/MediaPlayerEngine.h"
#include "engines/api/RealPlayerEngine.h"

// A black video area, where no engine draws.
QWidget* blackVideoArea(QWidget* parent);

// Stand-ins for an engine that is not installed: they show an empty video area and fail every start, one
// event-loop turn after play(), as an engine does with a file it cannot play.
class MissingRealPlayer : public RealPlayerEngine {
    Q_OBJECT
  public:
    explicit MissingRealPlayer(QWidget* parent = nullptr);
    ~MissingRealPlayer() override;

    QWidget* videoWidget() override { return m_widget; }
    void setSource(const QString&) override {}
    void play() override;
    void pause() override {}
    void stop() override {}
    bool canStop() const override { return false; }
    qint64 lengthMs() const override { return 0; }
    void setPositionMs(qint64) override {}
    void setVolume(int) override {}
    void setMute(bool) override {}
    void setDisplayOption(int, bool) override {}

  private:
    QPointer<QWidget> m_widget;
};

class MissingMediaPlayer : public MediaPlayerEngine {
    Q_OBJECT
  public:
    explicit MissingMediaPlayer(QWidget* parent = nullptr);
    ~MissingMediaPlayer() override;

    QWidget* videoWidget() override { return m_widget; }
    QString URL() const override { return m_url; }
    void setURL(const QString& url) override { m_url = url; }
    void play() override;
    void pause() override {}
    void stop() override {}
    double currentPosition() const override { return 0; }
    void setCurrentPosition(double) override {}
    int playState() const override { return 0; }
    bool hasCurrentMedia() const override { return false; }
    double duration() const override { return 0; }
    int volume() const override { return m_volume; }
    void setVolume(int volume) override { m_volume = volume; }
    bool mute() const override { return m_mute; }
    void setMute(bool mute) override { m_mute = mute; }
    bool autoStart() const override { return false; }
    void setAutoStart(bool) override {}
    void setEnableErrorDialogs(bool) override {}
    void setInvokeURLs(bool) override {}
    void setEnableContextMenu(bool) override {}
    bool fullScreen() const override { return false; }
    void setFullScreen(bool) override {}
    void clearErrorQueue() override {}

  private:
    QPointer<QWidget> m_widget;
    QString m_url;
    int m_volume = 30;
    bool m_mute = false;
};
