// The screen window's engine handling: which engine a rule picks, the delayed starts, what counts as playing,
// as the end of play and as a failure, and the one fallback to the other engine.
#include "frmScreen.h"

#include "base/Rounding.h"

namespace {
const QString kUnrecognisedForRealFirst = QStringLiteral("无法识别的文件格式");
const QString kUnrecognisedForMediaFirst = QStringLiteral("无法识别的文件格式.");
const QString kMediaOnlyFailed =
    QStringLiteral("Media Play无法播放该文件,请通过播放器选择列表使用Real Player重新尝试播放.");
const QString kRealOnlyFailed =
    QStringLiteral("Real Play无法播放该文件,请通过播放器选择列表使用Media Player重新尝试播放.");
}  // namespace

void frmScreen::wireEngines() {
    connect(&timMediaPlayDelay, &QTimer::timeout, this, &frmScreen::timMediaPlayDelay_Timer);
    connect(&timRealPlayDelay, &QTimer::timeout, this, &frmScreen::timRealPlayDelay_Timer);
    connect(&timMediaErrDelay, &QTimer::timeout, this, &frmScreen::timMediaErrDelay_Timer);
    connect(&timRealErrDelay, &QTimer::timeout, this, &frmScreen::timRealErrDelay_Timer);
    connect(&timMediaPlayJinDu, &QTimer::timeout, this, &frmScreen::timMediaPlayJinDu_Timer);
    connect(m_wmpPlayer.get(), &MediaPlayerEngine::PlayStateChange, this,
            &frmScreen::wmpPlayer_PlayStateChange);
    connect(m_wmpPlayer.get(), &MediaPlayerEngine::MediaError, this, &frmScreen::wmpPlayer_MediaError);
    connect(m_realPlayer.get(), &RealPlayerEngine::stateChanged, this, &frmScreen::realPlayer_StateChanged);
    connect(m_realPlayer.get(), &RealPlayerEngine::positionChanged, this,
            &frmScreen::realPlayer_PositionChanged);
    connect(m_realPlayer.get(), &RealPlayerEngine::errorMessage, this, [this] { timRealErrDelay.start(); });
}

void frmScreen::pickAndShowEngine() {
    if (m_lngPlayRuler == EngineRule::PreferMediaPlayer || m_lngPlayRuler == EngineRule::MediaPlayerOnly) {
        showEngine(PlayerEngine::MediaPlayer);
    } else if (m_lngPlayRuler == EngineRule::PreferRealPlayer ||
               m_lngPlayRuler == EngineRule::RealPlayerOnly) {
        showEngine(PlayerEngine::RealPlayer);
    }
}

void frmScreen::showEngine(PlayerEngine engine) {
    m_lngCurrentEngine = engine;
    QWidget* shown =
        engine == PlayerEngine::MediaPlayer ? m_wmpPlayer->videoWidget() : m_realPlayer->videoWidget();
    QWidget* hidden =
        engine == PlayerEngine::MediaPlayer ? m_realPlayer->videoWidget() : m_wmpPlayer->videoWidget();
    if (!shown->isVisibleTo(this)) shown->show();
    if (hidden->isVisibleTo(this)) hidden->hide();
}

void frmScreen::disableStartAndErrorTimers() {
    timMediaPlayDelay.stop();
    timRealPlayDelay.stop();
    timMediaErrDelay.stop();
    timRealErrDelay.stop();
}

void frmScreen::resetForNewFile() {
    m_wmpPlayer->setCurrentPosition(0);
    m_lngJinDu = 0;
    boolSeekOnRealStart = false;
    disableStartAndErrorTimers();
    setState(PlayState::Stopped);
    pickAndShowEngine();
}

void frmScreen::stopRoutine() {
    m_lngJinDu = 0;
    boolSeekOnRealStart = false;
    m_wmpPlayer->stop();
    m_wmpPlayer->setCurrentPosition(0);
    if (m_realPlayer->canStop()) {
        m_realPlayer->stop();
    } else {
        boolExpectRealStop = false;
    }
    const QString text = labMovieTimShow->text();
    const qsizetype separator = text.indexOf(QStringLiteral(" / "));
    labMovieTimShow->setText(QStringLiteral("00:00:00") + (separator >= 0 ? text.mid(separator) : QString()));
    disableStartAndErrorTimers();
    setState(PlayState::Stopped);
    pickAndShowEngine();
}

void frmScreen::recordError(const QString& message) {
    timErrDelayTag = message;
    timErrDelay.start();
}

void frmScreen::timMediaPlayDelay_Timer() {
    if (m_lngPlayRuler == EngineRule::PreferMediaPlayer || m_lngPlayRuler == EngineRule::MediaPlayerOnly) {
        m_wmpPlayer->play();
    } else if (m_lngPlayRuler == EngineRule::PreferRealPlayer) {
        showEngine(PlayerEngine::MediaPlayer);
        m_wmpPlayer->play();
    }
}

void frmScreen::timRealPlayDelay_Timer() {
    if (m_lngPlayRuler < EngineRule::PreferRealPlayer || m_lngPlayRuler > EngineRule::RealPlayerOnly) return;
    m_wmpPlayer->setURL(m_wmpPlayer->URL());
    showEngine(PlayerEngine::RealPlayer);
    boolRealReachedPlaying = false;
    timRealPopuWinErrCheck.start();
    m_realPlayer->play();
}

void frmScreen::timMediaErrDelay_Timer() {
    switch (m_lngPlayRuler) {
        case EngineRule::PreferMediaPlayer:
            timRealPlayDelay.start();
            break;
        case EngineRule::PreferRealPlayer:
            stopRoutine();
            recordError(kUnrecognisedForRealFirst);
            break;
        case EngineRule::MediaPlayerOnly:
            stopRoutine();
            recordError(kMediaOnlyFailed);
            break;
        default:
            break;
    }
}

void frmScreen::timRealErrDelay_Timer() {
    switch (m_lngPlayRuler) {
        case EngineRule::PreferRealPlayer:
            timMediaPlayDelay.start();
            break;
        case EngineRule::PreferMediaPlayer:
            stopRoutine();
            recordError(kUnrecognisedForMediaFirst);
            break;
        case EngineRule::RealPlayerOnly:
            stopRoutine();
            recordError(kRealOnlyFailed);
            break;
        default:
            break;
    }
}

void frmScreen::playingDetected() {
    setState(PlayState::Playing);
    picTimShowBack->raise();
    timSetTimShowBackZOrder.start();
}

void frmScreen::wmpPlayer_PlayStateChange(int newState) {
    if (newState == MediaPlayerEngine::kPlayStatePlaying) {
        playingDetected();
        m_wmpPlayer->setMute(m_boolMute);
    } else if (newState == MediaPlayerEngine::kPlayStateMediaEnded) {
        stopRoutine();
        emit PlayOver();
    }
}

void frmScreen::wmpPlayer_MediaError() {
    m_wmpPlayer->clearErrorQueue();
    timMediaErrDelay.start();
}

void frmScreen::realPlayer_StateChanged(int /*oldState*/, int newState) {
    if (newState == RealPlayerEngine::kStatePlaying) {
        playingDetected();
        boolRealReachedPlaying = true;
        boolExpectRealStop = false;
        if (boolSeekOnRealStart) {
            boolSeekOnRealStart = false;
            m_realPlayer->setPositionMs(m_lngJinDu * 1000);
        }
        m_realPlayer->setMute(m_boolMute);
        return;
    }
    if (newState != RealPlayerEngine::kStateStopped) return;
    if (boolExpectRealStop) {
        boolExpectRealStop = false;
    } else if (timRealPopuWinErrCheck.isActive() && !boolRealReachedPlaying) {
        timRealPopuWinErrCheck.stop();
        timRealErrDelay.start();
    } else {
        resetForNewFile();
        emit PlayOver();
    }
}

void frmScreen::realPlayer_PositionChanged(qint64 positionMs, qint64 lengthMs) {
    const qint64 second = positionMs / 1000;
    if (second == lngLastRealSecond) return;
    lngLastRealSecond = second;
    const qint64 percent =
        lengthMs == 0
            ? 0
            : lngRoundHalfEven(static_cast<double>(positionMs) / static_cast<double>(lengthMs) * 100.0);
    const qint64 lengthSeconds = lengthMs / 1000;
    const QString position = strGetTimStringBySecValue(second);
    const QString length = strGetTimStringBySecValue(lengthSeconds);
    emit JinDu(percent, second, position, lengthSeconds, length);
    showTime(position, length);
}

void frmScreen::timMediaPlayJinDu_Timer() {
    const double current = m_wmpPlayer->currentPosition();
    if (current < 0 || m_wmpPlayer->playState() != MediaPlayerEngine::kPlayStatePlaying) return;
    const qint64 position = lngRoundHalfEven(current);
    qint64 length = lngFileLength();
    const qint64 percent = length >= 1 ? lngRoundHalfEven(current / static_cast<double>(length) * 100.0) : 0;
    QString positionText = QStringLiteral("00:00:00");
    QString lengthText;
    if (m_wmpPlayer->hasCurrentMedia()) {
        length = lngRoundHalfEven(m_wmpPlayer->duration());
        positionText = strGetTimStringBySecValue(position);
        lengthText = strGetTimStringBySecValue(length);
    } else {
        length = 0;
    }
    emit JinDu(percent, position, positionText, length, lengthText);
    showTime(positionText, lengthText);
}
