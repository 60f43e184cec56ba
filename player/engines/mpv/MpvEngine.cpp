#include "MpvEngine.h"

#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <utility>

#include "MpvLogging.h"
#include "base/FileSystemNames.h"

Q_LOGGING_CATEGORY(lcMpvEngine, "kestrune.engine.mpv")

namespace {
constexpr quint64 kTimePos = 1;
constexpr quint64 kDuration = 2;
constexpr quint64 kCurrentVideoOutput = 3;

qint64 milliseconds(double seconds) {
    return std::max<qint64>(0, std::llround(seconds * 1000.0));
}

// mpv reads a leading "name:" as a protocol; a local path made absolute cannot be mistaken for one. mpv
// opens a path's bytes as they are, so a name that is not UTF-8 reaches it as the file system has it.
QByteArray mpvPath(const QString& source) {
    if (source.contains(QLatin1String("://"))) return source.toUtf8();
    return bytesForFileSystem(strAbsolutePathIn(strCurrentFolder(), source));
}

QString errorText(int error) {
    return QStringLiteral("libmpv: %1").arg(QString::fromUtf8(mpv_error_string(error)));
}
}  // namespace

std::unique_ptr<MpvEngine> MpvEngine::create(QWidget* parent) {
    auto mpv = MpvHandle::forEngine();
    if (!mpv) return nullptr;
    return std::unique_ptr<MpvEngine>(new MpvEngine(std::move(mpv), parent));
}

MpvEngine::MpvEngine(std::unique_ptr<MpvHandle> mpv, QWidget* parent)
    : m_mpv(std::move(mpv)), m_video(new EngineVideoWidget(parent)) {
    // A direct call: mpv must be done with a native window before the call that destroys it goes on.
    connect(m_video, &EngineVideoWidget::nativeWindowAboutToGo, this, &MpvEngine::detachVideo);
    // A new native window is taken from the event loop, once it is shown: a picture drawn into a window that
    // is not mapped yet is lost, and mpv does not draw a paused one again.
    connect(
        m_video, &EngineVideoWidget::nativeWindowChanged, this,
        [this] {
            if (m_phase != Phase::Idle && m_video && m_video->internalWinId()) attachVideo();
        },
        Qt::QueuedConnection);
    mpv_observe_property(m_mpv->get(), kTimePos, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_mpv->get(), kDuration, "duration", MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_mpv->get(), kCurrentVideoOutput, "current-vo", MPV_FORMAT_STRING);
    mpv_request_log_messages(m_mpv->get(), "warn");
    mpv_set_wakeup_callback(m_mpv->get(), &MpvEngine::wakeUp, this);
}

MpvEngine::~MpvEngine() {
    if (m_video) m_video->disconnect(this);
    // Once this returns no wake-up is running or will run.
    mpv_set_wakeup_callback(m_mpv->get(), nullptr, nullptr);
    // mpv draws into the video window until it has ended.
    m_mpv.reset();
    delete m_video.data();
}

// On one of mpv's threads: mpv calls it once until the events have been fetched.
void MpvEngine::wakeUp(void* engine) {
    QMetaObject::invokeMethod(static_cast<MpvEngine*>(engine), &MpvEngine::drainEvents, Qt::QueuedConnection);
}

void MpvEngine::drainEvents() {
    const QPointer<MpvEngine> alive(this);
    while (alive) {
        const mpv_event* event = mpv_wait_event(m_mpv->get(), 0);
        if (event->event_id == MPV_EVENT_NONE) return;
        handleEvent(*event);
    }
}

void MpvEngine::handleEvent(const mpv_event& event) {
    switch (event.event_id) {
        case MPV_EVENT_START_FILE:
            m_mpvEntry = static_cast<const mpv_event_start_file*>(event.data)->playlist_entry_id;
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            if (currentClipActive()) playbackRestarted();
            break;
        case MPV_EVENT_END_FILE:
            fileEnded(*static_cast<const mpv_event_end_file*>(event.data));
            break;
        case MPV_EVENT_PROPERTY_CHANGE:
            propertyChanged(event.reply_userdata, *static_cast<const mpv_event_property*>(event.data));
            break;
        case MPV_EVENT_LOG_MESSAGE:
            logMessage(*static_cast<const mpv_event_log_message*>(event.data));
            break;
        default:
            break;
    }
}

// libmpv's warnings and worse; it sends long texts line by line, blank lines included.
void MpvEngine::logMessage(const mpv_event_log_message& message) {
    const QString text = QString::fromUtf8(message.text).trimmed();
    if (text.isEmpty()) return;
    // mpv warns of its x11 output's cost against its OpenGL one; the player chose x11 where it is the
    // cheaper.
    if (qstrcmp(message.prefix, "vo/x11") == 0 && text.contains(QLatin1String("legacy VO"))) {
        qCInfo(lcMpvEngine).noquote() << message.prefix << "-" << text;
        return;
    }
    if (message.log_level <= MPV_LOG_LEVEL_ERROR) {
        qCCritical(lcMpvEngine).noquote() << message.prefix << "-" << text;
    } else {
        qCWarning(lcMpvEngine).noquote() << message.prefix << "-" << text;
    }
}

// The first restart of a clip is the start of its playback; later ones end seeks.
void MpvEngine::playbackRestarted() {
    m_seeking = false;
    if (m_phase != Phase::Loading) return;
    m_phase = Phase::Playing;
    m_lengthMs = milliseconds(m_mpv->doubleProperty("duration", 0));
    notifyState(kStatePlaying);
    if (m_pendingSeekMs >= 0) seekTo(std::exchange(m_pendingSeekMs, -1));
}

void MpvEngine::fileEnded(const mpv_event_end_file& end) {
    if (end.playlist_entry_id == m_mpvEntry) m_mpvEntry = 0;
    if (m_entry == 0 || end.playlist_entry_id != m_entry) return;
    if (end.reason == MPV_END_FILE_REASON_REDIRECT && end.playlist_insert_num_entries > 0) {
        // The clip was a play list; its first entry plays in its place.
        m_entry = end.playlist_insert_id;
        return;
    }
    const bool played = canStop();
    int error = end.reason == MPV_END_FILE_REASON_ERROR ? end.error : 0;
    // A clip that played has ended, whatever the audio output did: mpv names the failed sound device at the
    // end of a clip it played without sound.
    if (played && error == MPV_ERROR_AO_INIT_FAILED) error = 0;
    if (error >= 0 && !played) error = MPV_ERROR_NOTHING_TO_PLAY;
    leaveClip();
    if (error < 0) {
        notifyError(errorText(error));
    } else {
        notifyState(kStateStopped);
    }
}

void MpvEngine::propertyChanged(quint64 id, const mpv_event_property& property) {
    if (id == kCurrentVideoOutput) {
        videoOutputChanged(property.format == MPV_FORMAT_STRING ? *static_cast<char**>(property.data)
                                                                : nullptr);
        return;
    }
    if (property.format != MPV_FORMAT_DOUBLE || !currentClipActive()) return;
    const qint64 value = milliseconds(*static_cast<const double*>(property.data));
    if (id == kDuration) {
        m_lengthMs = value;
    } else if (id == kTimePos && canStop() && !m_seeking) {
        emit positionChanged(value, m_lengthMs);
    }
}

// A video output made, or ended (null).
void MpvEngine::videoOutputChanged(const char* name) {
    const QString output = QString::fromUtf8(name);
    if (output == m_videoOutput) return;
    m_videoOutput = output;
    if (output.isEmpty() || output == QLatin1String("null")) return;
    ++m_videoOutputsMade;
    qCInfo(lcMpvEngine).noquote() << "draws the video with mpv's" << output << "output";
}

// Forgets the current clip and leaves mpv idle, so that nothing more of it, or of a play list it came
// from, plays.
void MpvEngine::leaveClip() {
    m_entry = 0;
    m_phase = Phase::Idle;
    m_seeking = false;
    m_pendingSeekMs = -1;
    m_mpv->command({"stop"});
}

void MpvEngine::setSource(const QString& path) {
    stop();
    m_source = path;
    m_lengthMs = 0;
}

void MpvEngine::play() {
    if (m_phase == Phase::Paused) {
        if (m_mpv->setFlag("pause", false) >= 0) {
            m_phase = Phase::Playing;
            notifyState(kStatePlaying);
        }
        return;
    }
    if (m_phase != Phase::Idle) return;
    if (m_source.isEmpty() || !m_video) {
        notifyError(errorText(MPV_ERROR_NOTHING_TO_PLAY));
        return;
    }
    attachVideo();
    m_mpv->setFlag("pause", false);
    const QByteArray path = mpvPath(m_source);
    int result = m_mpv->command({"loadfile", path.constData(), "replace"});
    if (result >= 0) {
        // "replace" leaves the new entry last in mpv's play list.
        const QByteArray last = QByteArray::number(m_mpv->int64Property("playlist-count", 0) - 1);
        m_entry = m_mpv->int64Property(("playlist/" + last + "/id").constData(), 0);
        if (m_entry <= 0) result = MPV_ERROR_LOADING_FAILED;
    }
    if (result < 0) {
        leaveClip();
        notifyError(errorText(result));
        return;
    }
    m_phase = Phase::Loading;
}

void MpvEngine::pause() {
    if (m_phase != Phase::Playing || m_mpv->setFlag("pause", true) < 0) return;
    m_phase = Phase::Paused;
    notifyState(kStatePaused);
}

void MpvEngine::stop() {
    if (m_phase == Phase::Idle) return;
    const bool loaded = canStop();
    leaveClip();
    if (loaded) notifyState(kStateStopped);
}

void MpvEngine::setPositionMs(qint64 positionMs) {
    if (canStop()) {
        seekTo(positionMs);
    } else if (m_phase == Phase::Loading) {
        m_pendingSeekMs = positionMs;
    }
}

void MpvEngine::seekTo(qint64 positionMs) {
    const QByteArray seconds =
        QByteArray::number(static_cast<double>(std::max<qint64>(0, positionMs)) / 1000.0, 'f', 3);
    if (m_mpv->command({"seek", seconds.constData(), "absolute"}) >= 0) m_seeking = true;
}

void MpvEngine::setVolume(int volume) {
    m_mpv->setDouble("volume", std::clamp(volume, 0, 100));
}

void MpvEngine::setMute(bool mute) {
    m_mpv->setFlag("mute", mute);
}

QString MpvEngine::mpvProperty(const QString& name) const {
    return m_mpv->stringProperty(name.toUtf8().constData());
}

// The widget gets its native window when the screen window shows it, and may get another one later. A video
// output made for one window is never moved to another: mpv makes a new one for the new window. Between
// clips mpv keeps the output it has (force-window), black, so that one output serves a whole run.
void MpvEngine::attachVideo() {
    if (!m_video) return;
    const WId wid = m_video->winId();
    if (wid == m_wid) return;
    detachVideo();
    if (m_mpv->setInt64("wid", static_cast<qint64>(wid)) < 0 ||
        m_mpv->setString("vo", MpvHandle::videoOutput()) < 0 || m_mpv->setFlag("force-window", true) < 0) {
        qCWarning(lcMpvEngine) << "libmpv does not take the video window" << wid;
        return;
    }
    m_wid = wid;
}

// Ends the video output, and with it mpv's own window inside ours, before it returns; until the next
// attachVideo the video goes nowhere.
void MpvEngine::detachVideo() {
    if (m_wid == 0) return;
    m_mpv->setFlag("force-window", false);
    m_mpv->setString("vo", "null");
    m_wid = 0;
}

void MpvEngine::notifyState(int newState) {
    const int oldState = std::exchange(m_reportedState, newState);
    QMetaObject::invokeMethod(
        this, [this, oldState, newState] { emit stateChanged(oldState, newState); }, Qt::QueuedConnection);
}

void MpvEngine::notifyError(const QString& text) {
    QMetaObject::invokeMethod(
        this, [this, text] { emit errorMessage(text); }, Qt::QueuedConnection);
}
