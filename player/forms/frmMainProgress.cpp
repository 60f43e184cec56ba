// The control panel's transport, progress, volume and mute, the engine rule, the state words the controller
// reports, and the set-up from the stored configuration.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "ControlTag.h"
#include "control/Controler.h"
#include "frmMain.h"
#include "model/PlayList.h"

namespace {
const QString kEmptyTime = QStringLiteral("00:00:00");

// Page Up, Page Down and the arrow keys move the progress thumb as a drag does.
bool isJinDuKey(int key) {
    return key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Left || key == Qt::Key_Up ||
           key == Qt::Key_Right || key == Qt::Key_Down;
}
}  // namespace

void frmMain::initializeFace() {
    fillPlayListView();
    setSliderValue(sldVolume, kDefaultVolume);
    selectPlayRulerEntry(EngineRule{comboPlayRuler->itemData(0).toInt()});
}

void frmMain::setFaceBySysConfigPara() {
    if (!m_controler) return;
    setSliderValue(sldVolume, m_controler->intVolumeValue());
    selectPlayRulerEntry(m_controler->lngPlayRuler());
    showPlayRuleAtSetUp();
    if (!m_controler->boolSavePlayList()) return;
    const qint64 position = m_controler->lngCurrentPlayPosition();
    const qint64 length = m_controler->lngCurrentPlayItemLen();
    const qint64 percent = length == 0 ? 0 : position * 100 / length;
    setJinDu(percent, position, strGetTimStringBySecValue(position), length,
             strGetTimStringBySecValue(length));
    m_boolDraggingJinDu = true;
    m_controler->setJinDu(sldJinDu->value());
    m_boolDraggingJinDu = false;
}

void frmMain::showVolume(int volume) {
    setSliderValue(sldVolume, volume);
}

void frmMain::setSliderValue(QSlider* slider, int value) {
    const QSignalBlocker byCode(slider);
    slider->setValue(value);
}

void frmMain::setFaceToAPlayState(FaceState state, bool boolFocus) {
    switch (state) {
        case FaceState::Playing:
            labPlayState1->setText(QStringLiteral("正在播放: "));
            setPlayButtonState(PlayButtonState::OffersPause);
            showFileNameOfPlayItem();
            break;
        case FaceState::Paused:
            labPlayState1->setText(QStringLiteral("暂停播放: "));
            setPlayButtonState(PlayButtonState::OffersPlay);
            break;
        case FaceState::Stopped:
            labPlayState1->setText(QStringLiteral("停止: "));
            cmdPlay->setText(QStringLiteral("播放"));
            setJinDu(0, 0, kEmptyTime, -1, QStringLiteral("X"));
            setPlayButtonState(PlayButtonState::OffersPlay);
            showFileNameOfPlayItem();
            break;
        case FaceState::SoundOn:
            picJingFangYin->setPixmap(picFangYinImage);
            break;
        case FaceState::Muted:
            picJingFangYin->setPixmap(picJingYinImage);
            break;
        case FaceState::FullScreen:
            setTag(cmdSetScreen, QStringLiteral("2"));
            cmdSetScreen->setText(QStringLiteral("退出全屏"));
            break;
        case FaceState::Windowed:
            setTag(cmdSetScreen, QStringLiteral("1"));
            cmdSetScreen->setText(QStringLiteral("全屏到>"));
            break;
    }
    if (boolFocus) {
        activateWindow();
        setFocus();
    }
}

void frmMain::showFileNameOfPlayItem() {
    const PlayList* list = m_controler ? m_controler->objPlayList() : nullptr;
    const MoviePtr item = list ? list->objGetPlayItem() : nullptr;
    txtFileName->setText(item ? item->strFileName : QString());
}

void frmMain::setPlayButtonState(PlayButtonState state) {
    if (state == PlayButtonState::OffersPause) cmdPlay->setText(QStringLiteral("暂停"));
    if (state == PlayButtonState::OffersPlay) cmdPlay->setText(QStringLiteral("播放"));
    setTag(cmdPlay, state == PlayButtonState::OffersPlay ? QStringLiteral("2") : QStringLiteral("1"));
}

void frmMain::cmdPlay_Click() {
    if (tagOf(cmdPlay) == QLatin1String("2")) {
        setFaceToAPlayState(m_controler->play() ? FaceState::Playing : FaceState::Paused, false);
    } else {
        m_controler->pause();
        setFaceToAPlayState(FaceState::Paused, false);
    }
}

void frmMain::cmdStop_Click() {
    m_controler->stopPlay();
    setFaceToAPlayState(FaceState::Stopped, false);
}

// ---- The transport as the remote controls press it ------------------------------------------------------

PlayButtonState frmMain::playButtonOffers() const {
    return tagOf(cmdPlay) == QLatin1String("2") ? PlayButtonState::OffersPlay : PlayButtonState::OffersPause;
}

void frmMain::clickPlay() {
    cmdPlay->click();
}

void frmMain::clickStop() {
    cmdStop->click();
}

void frmMain::clickStep(StepDirection direction) {
    (direction == StepDirection::Previous ? cmdUp : cmdDown)->click();
}

// As a drag of the thumb that ends there: the labels follow it, letting go seeks.
void frmMain::releaseJinDuAt(qint64 lngSeconds) {
    m_boolDraggingJinDu = true;
    sldJinDu->setValue(static_cast<int>(std::clamp<qint64>(lngSeconds, 0, sldJinDu->maximum())));
    sendJinDuToControler();
}

// Sent on even when the slider already stands there: a new volume brings the sound back.
void frmMain::slideVolumeTo(int intVolume) {
    setSliderValue(sldVolume, std::clamp(intVolume, 0, 100));
    sldVolume_Scroll();
}

void frmMain::setMute() {
    m_controler->setMute(!m_controler->boolGetMuteValue());
    setFaceToAPlayState(m_controler->boolGetMuteValue() ? FaceState::Muted : FaceState::SoundOn, false);
}

// ---- Engine rule ----------------------------------------------------------------------------------------

// Showing an entry is no choice of the user's: the rule shown becomes the one in force, nothing is sent.
void frmMain::selectPlayRulerEntry(EngineRule value) {
    const int index = comboPlayRuler->findData(codeValue(value));
    if (index < 0) return;
    comboPlayRuler->setCurrentIndex(index);
    m_lngCurrentPlayRuler = value;
}

void frmMain::comboPlayRuler_Click(int index) {
    if (m_boolLoading) return;
    const EngineRule value{comboPlayRuler->itemData(index).toInt()};
    if (value == m_lngCurrentPlayRuler) return;
    m_lngCurrentPlayRuler = value;
    const PlayState stateBefore = m_controler->lngScreenState();
    m_controler->setPlayRuler(value);
    setFaceToAPlayState(FaceState::Stopped, false);
    if (stateBefore == PlayState::Playing) cmdPlay->click();
}

// ---- Progress -------------------------------------------------------------------------------------------

qint64 frmMain::lngGetMovieLen() const {
    return sldJinDu->maximum();
}

qint64 frmMain::lngGetJinDu() const {
    return sldJinDu->value();
}

// A length of 0 shows nothing; -1 keeps the maximum and its label; a length text "X" keeps the length label.
void frmMain::setJinDu(qint64 /*lngPercent*/, qint64 lngPositionSeconds, const QString& strPosition,
                       qint64 lngLengthSeconds, const QString& strLength) {
    if (m_boolDraggingJinDu || lngLengthSeconds == 0) return;
    const QSignalBlocker byCode(sldJinDu);
    labMoviePosi->setText(strPosition);
    if (lngLengthSeconds != -1) {
        labSlidMax->setText(QString::number(lngLengthSeconds) + QStringLiteral("秒"));
        if (sldJinDu->maximum() != lngLengthSeconds) sldJinDu->setMaximum(static_cast<int>(lngLengthSeconds));
    }
    sldJinDu->setValue(static_cast<int>(lngPositionSeconds));
    if (strLength.toUpper() != QLatin1String("X")) labMovieLen->setText(strLength);
}

// The user moves the thumb: the labels follow it.
void frmMain::sldJinDu_Scroll() {
    labMoviePosi->setText(strGetTimStringBySecValue(sldJinDu->value()));
    labMovieLen->setText(strGetTimStringBySecValue(sldJinDu->maximum()));
}

void frmMain::sendJinDuToControler() {
    m_controler->setJinDu(sldJinDu->value());
    m_boolDraggingJinDu = false;
}

// While the user holds the thumb (mouse or keys), the controller's progress reports are not shown; letting
// go seeks to the thumb's position.
bool frmMain::sldJinDu_Input(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_boolDraggingJinDu = true;
            break;
        case QEvent::MouseButtonRelease:
            sendJinDuToControler();
            break;
        case QEvent::KeyPress:
            if (isJinDuKey(static_cast<QKeyEvent*>(event)->key())) m_boolDraggingJinDu = true;
            break;
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isJinDuKey(key->key()) && !key->isAutoRepeat()) sendJinDuToControler();
            break;
        }
        default:
            break;
    }
    return false;
}

void frmMain::sldVolume_Scroll() {
    m_controler->setVolume(static_cast<std::int16_t>(sldVolume->value()));
    setFaceToAPlayState(FaceState::SoundOn, false);
}
