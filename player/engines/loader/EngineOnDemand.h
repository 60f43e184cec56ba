#pragma once

#include <QMap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "engines/api/MediaPlayerEngine.h"
#include "engines/api/RealPlayerEngine.h"

// An engine that is made only when it is first asked to play: the screen window hosts both engines from
// the start, while a run that never needs one never loads its plugin and library. Until then it keeps what
// it is told (the clip, volume, mute, options) and stands for an engine with nothing loaded: an empty black
// video area, nothing to stop, no length. When made, the engine takes that area's place and what was told,
// and its notifications come through this object.
class RealPlayerOnDemand : public RealPlayerEngine {
    Q_OBJECT
  public:
    using Factory = std::function<std::unique_ptr<RealPlayerEngine>(QWidget* parent)>;
    explicit RealPlayerOnDemand(Factory factory, QWidget* parent = nullptr);
    ~RealPlayerOnDemand() override;

    // The engine once made; null before.
    RealPlayerEngine* engine() const { return m_engine.get(); }

    QWidget* videoWidget() override;
    void setSource(const QString& path) override;
    void play() override;
    void pause() override;
    void stop() override;
    bool canStop() const override { return m_engine && m_engine->canStop(); }
    qint64 lengthMs() const override { return m_engine ? m_engine->lengthMs() : 0; }
    void setPositionMs(qint64 positionMs) override;
    void setVolume(int volume) override;
    void setMute(bool mute) override;
    void setDisplayOption(int option, bool on) override;

  private:
    bool boolMade();

    Factory m_factory;
    std::unique_ptr<RealPlayerEngine> m_engine;
    QPointer<QWidget> m_placeholder;
    std::optional<QString> m_source;
    std::optional<int> m_volume;
    std::optional<bool> m_mute;
    QMap<int, bool> m_options;
};

class MediaPlayerOnDemand : public MediaPlayerEngine {
    Q_OBJECT
  public:
    using Factory = std::function<std::unique_ptr<MediaPlayerEngine>(QWidget* parent)>;
    explicit MediaPlayerOnDemand(Factory factory, QWidget* parent = nullptr);
    ~MediaPlayerOnDemand() override;

    MediaPlayerEngine* engine() const { return m_engine.get(); }

    QWidget* videoWidget() override;
    QString URL() const override { return m_engine ? m_engine->URL() : m_url; }
    void setURL(const QString& url) override;
    void play() override;
    void pause() override;
    void stop() override;
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;
    int playState() const override { return m_engine ? m_engine->playState() : 0; }
    bool hasCurrentMedia() const override { return m_engine && m_engine->hasCurrentMedia(); }
    double duration() const override { return m_engine ? m_engine->duration() : 0; }
    int volume() const override { return m_engine ? m_engine->volume() : m_volume.value_or(kDefaultVolume); }
    void setVolume(int volume) override;
    bool mute() const override { return m_engine ? m_engine->mute() : m_mute.value_or(false); }
    void setMute(bool mute) override;
    bool autoStart() const override { return m_engine ? m_engine->autoStart() : m_autoStart; }
    void setAutoStart(bool on) override;
    void setEnableErrorDialogs(bool on) override;
    void setInvokeURLs(bool on) override;
    void setEnableContextMenu(bool on) override;
    bool fullScreen() const override { return m_engine ? m_engine->fullScreen() : m_fullScreen; }
    void setFullScreen(bool on) override;
    void clearErrorQueue() override;

  private:
    static constexpr int kDefaultVolume = 50;
    bool boolMade();

    Factory m_factory;
    std::unique_ptr<MediaPlayerEngine> m_engine;
    QPointer<QWidget> m_placeholder;
    QString m_url;
    double m_position = 0;
    std::optional<int> m_volume;
    std::optional<bool> m_mute;
    bool m_autoStart = true;
    bool m_fullScreen = false;
    std::optional<bool> m_errorDialogs, m_invokeURLs, m_contextMenu;
};
