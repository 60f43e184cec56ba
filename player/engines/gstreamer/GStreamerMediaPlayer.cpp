#include "GStreamerMediaPlayer.h"

#include <algorithm>
#include <cmath>

#include "GStreamerLogging.h"
#include "PlaybinPipeline.h"
#include "base/FileSystemNames.h"
#include "engines/api/EngineVideoWidget.h"

namespace {
// Volume 0..100 on a cubic curve over playbin's linear amplitude, so that equal steps sound about equal.
double linearVolumeFor(int volume) {
    const double level = std::clamp(volume, 0, 100) / 100.0;
    return level * level * level;
}

int volumeForLinear(double linear) {
    return std::clamp(static_cast<int>(std::lround(std::cbrt(linear) * 100.0)), 0, 100);
}

// An existing local path becomes a file URI of the name's very bytes, escaped, whatever their encoding; an
// address with a scheme ("http://...") stays as it is; anything else is taken as a local path.
QByteArray uriFor(const QString& url) {
    if (url.isEmpty()) return {};
    const QByteArray utf8 = url.toUtf8();
    if (!boolExistsOnDisk(url) && gst_uri_is_valid(utf8.constData())) return utf8;
    const QByteArray path = bytesForFileSystem(strAbsolutePathIn(strCurrentFolder(), url));
    return QByteArrayLiteral("file://") + path.toPercentEncoding("/");
}
}  // namespace

GStreamerMediaPlayer::GStreamerMediaPlayer(QWidget* parent)
    : m_pipeline(std::make_unique<PlaybinPipeline>()), m_video(new EngineVideoWidget(parent)) {
    connect(m_pipeline.get(), &PlaybinPipeline::stateChanged, this,
            &GStreamerMediaPlayer::pipeline_StateChanged);
    connect(m_pipeline.get(), &PlaybinPipeline::endOfStream, this,
            &GStreamerMediaPlayer::pipeline_EndOfStream);
    connect(m_pipeline.get(), &PlaybinPipeline::failed, this, &GStreamerMediaPlayer::fail);
    connect(m_pipeline.get(), &PlaybinPipeline::durationChanged, this, [this] { m_duration = 0; });
    connect(m_video, &EngineVideoWidget::resized, this, &GStreamerMediaPlayer::placeVideo);
    connect(m_video, &EngineVideoWidget::nativeWindowChanged, this, [this] {
        if (const WId window = m_video->internalWinId()) m_pipeline->setWindowHandle(window);
    });
    // The sink must be done with the window before the window goes.
    connect(m_video, &EngineVideoWidget::aboutToBeDestroyed, this, &GStreamerMediaPlayer::resetPipeline);
    m_startWatchdog.setSingleShot(true);
    m_startWatchdog.setInterval(kStartTimeoutMs);
    connect(&m_startWatchdog, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("the media did not start playing in time")); });
    m_pipeline->setLinearVolume(linearVolumeFor(50));
}

GStreamerMediaPlayer::~GStreamerMediaPlayer() {
    if (m_video) m_video->disconnect(this);
    m_pipeline.reset();
    delete m_video.data();
}

QWidget* GStreamerMediaPlayer::videoWidget() {
    return m_video;
}

void GStreamerMediaPlayer::setURL(const QString& url) {
    resetPipeline();
    m_url = url;
    m_duration = 0;
    m_pipeline->setUri(uriFor(url));
    setPlayState(url.isEmpty() ? kPlayStateUndefined : kPlayStateReady, true);
    if (m_autoStart && !url.isEmpty()) play();
}

void GStreamerMediaPlayer::play() {
    if (m_url.isEmpty() || m_playState == kPlayStatePlaying) return;
    if (!m_video) {
        QTimer::singleShot(0, this, [this] { fail(QStringLiteral("the video window is gone")); });
        return;
    }
    if (m_playState == kPlayStateMediaEnded) resetPipeline();  // from the start again
    if (m_playState != kPlayStatePaused) {
        // The sink gets its window before it can ask for one, so it never opens a window of its own.
        m_pipeline->setWindowHandle(m_video->winId());
        placeVideo();
        setPlayState(kPlayStateTransitioning, true);
        m_startWatchdog.start();
    }
    m_wantPlaying = true;
    m_pipeline->setState(GST_STATE_PLAYING);
}

void GStreamerMediaPlayer::pause() {
    if (m_playState != kPlayStatePlaying && m_playState != kPlayStateTransitioning) return;
    m_wantPlaying = false;
    m_startWatchdog.stop();
    m_pipeline->setState(GST_STATE_PAUSED);
    setPlayState(kPlayStatePaused, true);
}

void GStreamerMediaPlayer::stop() {
    resetPipeline();
    if (m_playState != kPlayStateUndefined) setPlayState(kPlayStateStopped, true);
}

void GStreamerMediaPlayer::resetPipeline() {
    m_wantPlaying = false;
    m_pendingSeek = -1;
    m_startWatchdog.stop();
    if (m_pipeline) m_pipeline->setState(GST_STATE_NULL);
}

double GStreamerMediaPlayer::currentPosition() const {
    if (m_pendingSeek >= 0) return m_pendingSeek;
    double seconds = 0;
    return m_pipeline->queryPosition(seconds) ? seconds : 0;
}

void GStreamerMediaPlayer::setCurrentPosition(double seconds) {
    seconds = std::max(seconds, 0.0);
    const GstState state = m_pipeline->settledState();
    if ((state == GST_STATE_PAUSED || state == GST_STATE_PLAYING) && m_pipeline->seek(seconds)) {
        m_pendingSeek = -1;
        return;
    }
    // Not prerolled yet: the seek is done once it is. A pipeline that is down starts at 0 anyway.
    const bool down = !m_wantPlaying && m_playState != kPlayStatePaused;
    m_pendingSeek = down && seconds == 0 ? -1 : seconds;
}

double GStreamerMediaPlayer::duration() const {
    if (m_duration <= 0 && !m_url.isEmpty()) m_pipeline->queryDuration(m_duration);
    return m_duration;
}

int GStreamerMediaPlayer::volume() const {
    return volumeForLinear(m_pipeline->linearVolume());
}

void GStreamerMediaPlayer::setVolume(int volume) {
    m_pipeline->setLinearVolume(linearVolumeFor(volume));
}

bool GStreamerMediaPlayer::mute() const {
    return m_pipeline->mute();
}

void GStreamerMediaPlayer::setMute(bool mute) {
    m_pipeline->setMute(mute);
}

void GStreamerMediaPlayer::pipeline_StateChanged() {
    const GstState state = m_pipeline->settledState();
    if (m_pendingSeek >= 0 && (state == GST_STATE_PAUSED || state == GST_STATE_PLAYING)) {
        const double seconds = m_pendingSeek;
        m_pendingSeek = -1;
        m_pipeline->seek(seconds);
    }
    if (m_wantPlaying && state == GST_STATE_PLAYING) {
        m_startWatchdog.stop();
        setPlayState(kPlayStatePlaying, false);
    }
}

void GStreamerMediaPlayer::pipeline_EndOfStream() {
    m_wantPlaying = false;
    setPlayState(kPlayStateMediaEnded, false);
}

void GStreamerMediaPlayer::fail(const QString& message) {
    qCWarning(lcGStreamerEngine).noquote() << "cannot play" << m_url << "-" << message;
    resetPipeline();
    setPlayState(kPlayStateReady, false);
    emit MediaError();
}

void GStreamerMediaPlayer::setPlayState(int state, bool notifyLater) {
    if (state == m_playState) return;
    m_playState = state;
    if (notifyLater) {
        QMetaObject::invokeMethod(
            this, [this, state] { emit PlayStateChange(state); }, Qt::QueuedConnection);
    } else {
        emit PlayStateChange(state);
    }
}

// Device pixels: the sink draws into the native window in the window system's own units.
void GStreamerMediaPlayer::placeVideo() {
    if (!m_video) return;
    m_pipeline->setRenderRectangle(m_video->deviceRect());
    m_pipeline->expose();
}
