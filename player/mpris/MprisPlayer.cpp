#include "MprisPlayer.h"

#include <algorithm>
#include <cmath>

#include "MprisLog.h"
#include "MprisTrack.h"
#include "control/Controler.h"
#include "control/PanelTransport.h"

namespace {
constexpr qint64 kMicroseconds = 1000000;
}  // namespace

MprisPlayer::MprisPlayer(QObject* object, Controler& controler, PanelTransport& panel)
    : QDBusAbstractAdaptor(object), m_controler(controler), m_panel(panel) {}

bool MprisPlayer::boolHasItems() const {
    return m_controler.objPlayList() && m_controler.lngGetPlayListItemCount() > 0;
}

// A file still starting counts as playing: the play button already offers pause.
QString MprisPlayer::PlaybackStatus() const {
    switch (m_controler.lngScreenState()) {
        case PlayState::Playing:
        case PlayState::Starting:
            return QStringLiteral("Playing");
        case PlayState::Paused:
            return QStringLiteral("Paused");
        case PlayState::Stopped:
            break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap MprisPlayer::Metadata() const {
    const MoviePtr item = m_controler.objPlayList() ? m_controler.objGetPlayItem() : nullptr;
    return mpris_track::metadata(item, m_controler.lngReportedLength());
}

double MprisPlayer::Volume() const {
    if (m_controler.boolGetMuteValue()) return 0.0;
    return m_controler.intVolumeValue() / 100.0;
}

void MprisPlayer::setVolume(double volume) {
    if (std::isnan(volume)) return;
    m_panel.slideVolumeTo(static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * 100.0)));
}

qlonglong MprisPlayer::Position() const {
    if (m_controler.lngScreenState() == PlayState::Stopped) return 0;
    return m_panel.lngShownJinDu() * kMicroseconds;
}

bool MprisPlayer::CanSeek() const {
    return m_controler.lngScreenState() != PlayState::Stopped && m_controler.lngReportedLength() > 0;
}

QVariantMap MprisPlayer::announcedProperties() const {
    return {{QStringLiteral("PlaybackStatus"), PlaybackStatus()},
            {QStringLiteral("Metadata"), Metadata()},
            {QStringLiteral("Volume"), Volume()},
            {QStringLiteral("CanGoNext"), CanGoNext()},
            {QStringLiteral("CanGoPrevious"), CanGoPrevious()},
            {QStringLiteral("CanPlay"), CanPlay()},
            {QStringLiteral("CanPause"), CanPause()},
            {QStringLiteral("CanSeek"), CanSeek()}};
}

// ---- Transport ------------------------------------------------------------------------------------------

void MprisPlayer::Play() {
    if (m_panel.playButtonOffers() == PlayButtonState::OffersPlay) m_panel.clickPlay();
}

void MprisPlayer::Pause() {
    if (m_panel.playButtonOffers() == PlayButtonState::OffersPause) m_panel.clickPlay();
}

void MprisPlayer::PlayPause() {
    m_panel.clickPlay();
}

void MprisPlayer::Stop() {
    m_panel.clickStop();
}

void MprisPlayer::Next() {
    m_panel.clickStep(StepDirection::Next);
}

void MprisPlayer::Previous() {
    m_panel.clickStep(StepDirection::Previous);
}

// From the position the panel shows; before the start is the start, past the end is the next item.
void MprisPlayer::Seek(qlonglong Offset) {
    if (!CanSeek()) return;
    const qint64 target = std::max<qint64>(0, m_panel.lngShownJinDu() * kMicroseconds + Offset);
    if (target > m_controler.lngReportedLength() * kMicroseconds) {
        Next();
        return;
    }
    m_panel.releaseJinDuAt(target / kMicroseconds);
}

// Only within the play item it names.
void MprisPlayer::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    if (!CanSeek() || Position < 0 || Position > m_controler.lngReportedLength() * kMicroseconds) return;
    if (TrackId.path() != mpris_track::trackId(m_controler.objGetPlayItem()).path()) return;
    m_panel.releaseJinDuAt(Position / kMicroseconds);
}

// As a file dropped to be played now: it joins the list and plays.
void MprisPlayer::OpenUri(const QString& Uri) {
    const QString path = mpris_track::pathOfUri(Uri);
    if (path.isEmpty()) {
        qCInfo(lcMpris) << "not opened, neither a file nor an http address:" << Uri;
        return;
    }
    m_controler.BatchAddMovie({QString(), path}, true);
}
