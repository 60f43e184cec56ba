#include "EngineOnDemand.h"

#include <QTimer>
#include <algorithm>

#include "MissingEngines.h"

namespace {
// The engine's video widget takes the black area's place: its rectangle, its place among its siblings (the
// time display stays above it) and whether it is shown.
void takePlace(QWidget* area, QWidget* video) {
    if (!video) return;
    if (video->parentWidget() != area->parentWidget()) video->setParent(area->parentWidget());
    video->setGeometry(area->geometry());
    video->stackUnder(area);
    video->setVisible(!area->isHidden());
    delete area;
}
}  // namespace

RealPlayerOnDemand::RealPlayerOnDemand(Factory factory, QWidget* parent)
    : m_factory(std::move(factory)), m_placeholder(blackVideoArea(parent)) {}

RealPlayerOnDemand::~RealPlayerOnDemand() {
    m_engine.reset();
    delete m_placeholder.data();
}

QWidget* RealPlayerOnDemand::videoWidget() {
    return m_engine ? m_engine->videoWidget() : m_placeholder.data();
}

bool RealPlayerOnDemand::boolMade() {
    if (m_engine) return true;
    // The window that held the video area is gone: there is nothing left to play in.
    if (!m_placeholder) return false;
    m_engine = m_factory(m_placeholder->parentWidget());
    takePlace(m_placeholder, m_engine->videoWidget());
    connect(m_engine.get(), &RealPlayerEngine::positionChanged, this, &RealPlayerEngine::positionChanged);
    connect(m_engine.get(), &RealPlayerEngine::stateChanged, this, &RealPlayerEngine::stateChanged);
    connect(m_engine.get(), &RealPlayerEngine::errorMessage, this, &RealPlayerEngine::errorMessage);
    connect(m_engine.get(), &RealPlayerEngine::pointerNotification, this,
            &RealPlayerEngine::pointerNotification);
    for (auto option = m_options.cbegin(); option != m_options.cend(); ++option)
        m_engine->setDisplayOption(option.key(), option.value());
    if (m_volume) m_engine->setVolume(*m_volume);
    if (m_mute) m_engine->setMute(*m_mute);
    if (m_source) m_engine->setSource(*m_source);
    return true;
}

void RealPlayerOnDemand::setSource(const QString& path) {
    if (m_engine) {
        m_engine->setSource(path);
    } else {
        m_source = path;
    }
}

void RealPlayerOnDemand::play() {
    if (boolMade()) {
        m_engine->play();
    } else {
        QTimer::singleShot(0, this,
                           [this] { emit errorMessage(QStringLiteral("the video window is gone")); });
    }
}

void RealPlayerOnDemand::pause() {
    if (m_engine) m_engine->pause();
}

void RealPlayerOnDemand::stop() {
    if (m_engine) m_engine->stop();
}

// An engine with nothing loaded has no position to go to.
void RealPlayerOnDemand::setPositionMs(qint64 positionMs) {
    if (m_engine) m_engine->setPositionMs(positionMs);
}

void RealPlayerOnDemand::setVolume(int volume) {
    if (m_engine) m_engine->setVolume(volume);
    m_volume = volume;
}

void RealPlayerOnDemand::setMute(bool mute) {
    if (m_engine) m_engine->setMute(mute);
    m_mute = mute;
}

void RealPlayerOnDemand::setDisplayOption(int option, bool on) {
    if (m_engine) {
        m_engine->setDisplayOption(option, on);
    } else {
        m_options.insert(option, on);
    }
}

MediaPlayerOnDemand::MediaPlayerOnDemand(Factory factory, QWidget* parent)
    : m_factory(std::move(factory)), m_placeholder(blackVideoArea(parent)) {}

MediaPlayerOnDemand::~MediaPlayerOnDemand() {
    m_engine.reset();
    delete m_placeholder.data();
}

QWidget* MediaPlayerOnDemand::videoWidget() {
    return m_engine ? m_engine->videoWidget() : m_placeholder.data();
}

bool MediaPlayerOnDemand::boolMade() {
    if (m_engine) return true;
    if (!m_placeholder) return false;
    m_engine = m_factory(m_placeholder->parentWidget());
    takePlace(m_placeholder, m_engine->videoWidget());
    connect(m_engine.get(), &MediaPlayerEngine::PlayStateChange, this, &MediaPlayerEngine::PlayStateChange);
    connect(m_engine.get(), &MediaPlayerEngine::MediaError, this, &MediaPlayerEngine::MediaError);
    connect(m_engine.get(), &MediaPlayerEngine::Click, this, &MediaPlayerEngine::Click);
    connect(m_engine.get(), &MediaPlayerEngine::DoubleClick, this, &MediaPlayerEngine::DoubleClick);
    connect(m_engine.get(), &MediaPlayerEngine::MouseDown, this, &MediaPlayerEngine::MouseDown);
    connect(m_engine.get(), &MediaPlayerEngine::MouseUp, this, &MediaPlayerEngine::MouseUp);
    // Settings first: with autoStart on, the address starts the play.
    if (m_errorDialogs) m_engine->setEnableErrorDialogs(*m_errorDialogs);
    if (m_invokeURLs) m_engine->setInvokeURLs(*m_invokeURLs);
    if (m_contextMenu) m_engine->setEnableContextMenu(*m_contextMenu);
    m_engine->setFullScreen(m_fullScreen);
    m_engine->setAutoStart(m_autoStart);
    if (m_volume) m_engine->setVolume(*m_volume);
    if (m_mute) m_engine->setMute(*m_mute);
    m_engine->setURL(m_url);
    if (m_position > 0) m_engine->setCurrentPosition(m_position);
    return true;
}

void MediaPlayerOnDemand::setURL(const QString& url) {
    if (m_engine) {
        m_engine->setURL(url);
        return;
    }
    m_url = url;
    m_position = 0;
    if (m_autoStart && !url.isEmpty()) play();
}

void MediaPlayerOnDemand::play() {
    if (boolMade()) {
        m_engine->play();
    } else {
        QTimer::singleShot(0, this, [this] { emit MediaError(); });
    }
}

void MediaPlayerOnDemand::pause() {
    if (m_engine) m_engine->pause();
}

void MediaPlayerOnDemand::stop() {
    if (m_engine) {
        m_engine->stop();
    } else {
        m_position = 0;
    }
}

double MediaPlayerOnDemand::currentPosition() const {
    return m_engine ? m_engine->currentPosition() : m_position;
}

// Before the engine is made, a position is where its first play of the address starts.
void MediaPlayerOnDemand::setCurrentPosition(double seconds) {
    if (m_engine) {
        m_engine->setCurrentPosition(seconds);
    } else {
        m_position = std::max(seconds, 0.0);
    }
}

void MediaPlayerOnDemand::setVolume(int volume) {
    if (m_engine) m_engine->setVolume(volume);
    m_volume = volume;
}

void MediaPlayerOnDemand::setMute(bool mute) {
    if (m_engine) m_engine->setMute(mute);
    m_mute = mute;
}

void MediaPlayerOnDemand::setAutoStart(bool on) {
    if (m_engine) m_engine->setAutoStart(on);
    m_autoStart = on;
}

void MediaPlayerOnDemand::setEnableErrorDialogs(bool on) {
    if (m_engine) m_engine->setEnableErrorDialogs(on);
    m_errorDialogs = on;
}

void MediaPlayerOnDemand::setInvokeURLs(bool on) {
    if (m_engine) m_engine->setInvokeURLs(on);
    m_invokeURLs = on;
}

void MediaPlayerOnDemand::setEnableContextMenu(bool on) {
    if (m_engine) m_engine->setEnableContextMenu(on);
    m_contextMenu = on;
}

void MediaPlayerOnDemand::setFullScreen(bool on) {
    if (m_engine) m_engine->setFullScreen(on);
    m_fullScreen = on;
}

void MediaPlayerOnDemand::clearErrorQueue() {
    if (m_engine) m_engine->clearErrorQueue();
}
