#include "frmScreen.h"

#include <QCloseEvent>
#include <QResizeEvent>

#include "base/FileSystemNames.h"
#include "base/Rounding.h"
#include "base/TextHelpers.h"
#include "monitors/cMonitors2.h"
#include "platform/WindowManager.h"

namespace {
const QString kEmptyTime = QStringLiteral("00:00:00");
const QString kTimeSeparator = QStringLiteral(" / ");

void setUpTimer(QTimer& timer, int intervalMs, bool singleShot = true) {
    timer.setInterval(intervalMs);
    timer.setSingleShot(singleShot);
}

// Blanks trimmed from both ends, as a path typed or pasted by the user may carry them.
QString trimmedOfSpaces(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}
}  // namespace

frmScreen::frmScreen(std::unique_ptr<RealPlayerEngine> realPlayer,
                     std::unique_ptr<MediaPlayerEngine> wmpPlayer, QWidget* parent)
    : QWidget(parent), m_realPlayer(std::move(realPlayer)), m_wmpPlayer(std::move(wmpPlayer)) {
    setAttribute(Qt::WA_NativeWindow);
    setMouseTracking(false);
    m_realPlayer->videoWidget()->setParent(this);
    m_wmpPlayer->videoWidget()->setParent(this);
    m_wmpPlayer->videoWidget()->hide();

    // The time display is a native window of its own so that it can stay above the engines' native video.
    picTimShowBack = new QWidget(this);
    picTimShowBack->setAttribute(Qt::WA_NativeWindow);
    picTimShowBack->setAutoFillBackground(true);
    labMovieTimShow = new QLabel(kEmptyTime + kTimeSeparator + kEmptyTime, picTimShowBack);
    labMovieTimShow->setAlignment(Qt::AlignCenter);

    setUpTimer(timMediaPlayDelay, 1);
    setUpTimer(timRealPlayDelay, 1);
    setUpTimer(timMediaErrDelay, 1);
    setUpTimer(timRealErrDelay, 1);
    setUpTimer(timErrDelay, 1);
    setUpTimer(timRealPopuWinErrCheck, 1500);
    setUpTimer(timDisableWMPFullScreen, 1);
    setUpTimer(timMediaPlayJinDu, 1000, false);
    setUpTimer(timDelayRaiseClickEvent, 280);
    setUpTimer(timSetTimShowBackZOrder, 1000);
    setUpTimer(timFrmPosiReport, 2000, false);
    connect(&timErrDelay, &QTimer::timeout, this, [this] { emit PlayErr(timErrDelayTag); });
    connect(&timSetTimShowBackZOrder, &QTimer::timeout, picTimShowBack, &QWidget::raise);
    connect(&timFrmPosiReport, &QTimer::timeout, this, [this] {
        const QRect rectangle = screenRectangle();
        emit FrmPosiReport(rectangle.left(), rectangle.top(), rectangle.width(), rectangle.height());
    });
    wireEngines();
    buildMenu();
    wireInput();
    timMediaPlayJinDu.start();
}

frmScreen::~frmScreen() = default;

QString frmScreen::strGetTimStringBySecValue(qint64 seconds) {
    return ::strGetTimStringBySecValue(seconds);
}

void frmScreen::setLngPlayRuler(EngineRule value) {
    if (value == m_lngPlayRuler) return;
    m_lngPlayRuler = value;
    boolExpectRealStop = true;
    stopRoutine();
}

QString frmScreen::strFilePath() const {
    return m_wmpPlayer->URL();
}

void frmScreen::setStrFilePath(const QString& path) {
    resetForNewFile();
    if (m_realPlayer->canStop()) boolExpectRealStop = true;
    QString clip = path;
    if (clip.size() > 2 && clip.startsWith(QLatin1Char('"')) && clip.endsWith(QLatin1Char('"'))) {
        clip = clip.mid(1, clip.size() - 2);
    }
    m_wmpPlayer->setURL(clip);
    m_realPlayer->setSource(clip);
}

void frmScreen::setState(PlayState value) {
    if (value == m_lngState) return;
    m_lngState = value;
    emit StateChange();
}

bool frmScreen::play() {
    const QString path = trimmedOfSpaces(strFilePath());
    if (path.isEmpty()) {
        recordError(QStringLiteral("播放路径为空."));
        return false;
    }
    if (!path.contains(QLatin1String("http"), Qt::CaseInsensitive) && !boolIsFileOnDisk(path)) {
        recordError(QStringLiteral("要播放的文件不存在."));
        return false;
    }
    if (m_lngState == PlayState::Playing || m_lngState == PlayState::Starting) return false;
    if (m_lngState == PlayState::Stopped) boolSeekOnRealStart = true;
    setState(PlayState::Starting);
    if (m_lngCurrentEngine == PlayerEngine::MediaPlayer) {
        timMediaPlayDelay.start();
    } else {
        timRealPlayDelay.start();
    }
    return true;
}

void frmScreen::pause() {
    if (m_lngState != PlayState::Playing) return;
    setState(PlayState::Paused);
    if (m_lngCurrentEngine == PlayerEngine::MediaPlayer) {
        m_wmpPlayer->pause();
    } else {
        m_realPlayer->pause();
    }
}

void frmScreen::stopPlay() {
    if (m_lngState != PlayState::Playing && m_lngState != PlayState::Paused) return;
    boolExpectRealStop = true;
    stopRoutine();
}

// A new volume brings the sound back: the engines too, so that they never stay muted while the window and
// the control panel say the sound is on.
void frmScreen::setIntVolume(int value) {
    m_intVolume = value;
    m_wmpPlayer->setVolume(value);
    m_realPlayer->setVolume(value);
    m_boolMute = false;
    m_wmpPlayer->setMute(false);
    m_realPlayer->setMute(false);
}

void frmScreen::setBoolMute(bool value) {
    m_boolMute = value;
    m_wmpPlayer->setMute(value);
    m_realPlayer->setMute(value);
}

qint64 frmScreen::lngJinDu() {
    if (m_lngCurrentEngine == PlayerEngine::MediaPlayer)
        m_lngJinDu = lngRoundHalfEven(m_wmpPlayer->currentPosition());
    return m_lngJinDu;
}

void frmScreen::setLngJinDu(qint64 seconds) {
    m_lngJinDu = seconds;
    m_wmpPlayer->setCurrentPosition(static_cast<double>(seconds));
    m_realPlayer->setPositionMs(seconds * 1000);
}

qint64 frmScreen::lngFileLength() const {
    if (m_lngCurrentEngine == PlayerEngine::RealPlayer)
        return lngRoundHalfEven(static_cast<double>(m_realPlayer->lengthMs()) / 1000.0);
    return m_wmpPlayer->hasCurrentMedia() ? lngRoundHalfEven(m_wmpPlayer->duration()) : 0;
}

void frmScreen::showTime(const QString& position, const QString& length) {
    labMovieTimShow->setText(position + kTimeSeparator + length);
    placeTimeDisplay();
}

// Top right of the client area, wide enough for its text.
void frmScreen::placeTimeDisplay() {
    const QSize needed = labMovieTimShow->sizeHint() + QSize(8, 2);
    if (needed.width() > picTimShowBack->width()) picTimShowBack->resize(needed);
    picTimShowBack->move(width() - picTimShowBack->width(), 0);
    labMovieTimShow->resize(picTimShowBack->size());
}

// ---- Geometry -------------------------------------------------------------------------------------------

// Under a window manager full screen is the window manager's full-screen state on the chosen monitor, so
// that the desktop's panels stay below the video; on a bare X server the window loses its frame and covers
// the monitor's rectangle itself.
void frmScreen::setBoolMaxSize(bool value) {
    if (value == m_boolMaxSize) return;
    if (!value) {
        m_boolMaxSize = false;
        setWindowState(Qt::WindowNoState);
        if (windowFlags() & Qt::FramelessWindowHint) setCaptionBar(true);
        applyNormalRectangle();
        return;
    }
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) setWindowState(Qt::WindowNoState);
    const QRect normal = geometry();
    m_lngNormalTop = normal.top();
    m_lngNormalLeft = normal.left();
    m_lngNormalWidth = normal.width();
    m_lngNormalHeight = normal.height();
    m_boolMaxSize = true;
    if (boolWindowManagerDoesFullScreen()) {
        applyMaxRectangle();  // the window manager takes the monitor the window is on
        setWindowState(Qt::WindowFullScreen);
    } else {
        setCaptionBar(false);
        applyMaxRectangle();
    }
}

void frmScreen::hideScreen() {
    boolExpectRealStop = true;
    stopRoutine();
    hide();
}

void frmScreen::takeFocus() {
    activateWindow();
    setFocus();
}

void frmScreen::setCaptionBar(bool show) {
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, !show);
    if (wasVisible) QWidget::show();
}

void frmScreen::applyNormalRectangle() {
    setGeometry(m_lngNormalLeft, m_lngNormalTop, m_lngNormalWidth, m_lngNormalHeight);
}

void frmScreen::applyMaxRectangle() {
    setGeometry(m_lngMaxLeft, m_lngMaxTop, m_lngMaxWidth, m_lngMaxHeight);
}

void frmScreen::setLngNormalTop(int value) {
    m_lngNormalTop = value;
    if (!m_boolMaxSize) move(x(), value);
}
void frmScreen::setLngNormalLeft(int value) {
    m_lngNormalLeft = value;
    if (!m_boolMaxSize) move(value, y());
}
void frmScreen::setLngNormalWidth(int value) {
    m_lngNormalWidth = value;
    if (!m_boolMaxSize) resize(value, height());
}
void frmScreen::setLngNormalHeight(int value) {
    m_lngNormalHeight = value;
    if (!m_boolMaxSize) resize(width(), value);
}
void frmScreen::setLngMaxTop(int value) {
    m_lngMaxTop = value;
    if (m_boolMaxSize) move(x(), value);
}
void frmScreen::setLngMaxLeft(int value) {
    m_lngMaxLeft = value;
    if (m_boolMaxSize) move(value, y());
}
void frmScreen::setLngMaxWidth(int value) {
    m_lngMaxWidth = value;
    if (m_boolMaxSize) resize(value, height());
}
void frmScreen::setLngMaxHeight(int value) {
    m_lngMaxHeight = value;
    if (m_boolMaxSize) resize(width(), value);
}

void frmScreen::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
    } else {
        QWidget::closeEvent(event);
    }
}

void frmScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (boolFirstResize) firstResize();
    layoutEngines();
}

void frmScreen::firstResize() {
    boolFirstResize = false;
    m_realPlayer->videoWidget()->show();
    m_realPlayer->setDisplayOption(223, false);
    m_realPlayer->setMute(false);
    m_wmpPlayer->videoWidget()->hide();
    m_wmpPlayer->setAutoStart(false);
    m_wmpPlayer->setMute(false);
    m_wmpPlayer->setVolume(kDefaultVolume);
    m_realPlayer->setVolume(kDefaultVolume);
    showTime(kEmptyTime, kEmptyTime);
    timFrmPosiReport.start();
}

void frmScreen::layoutEngines() {
    for (int option : {277, 326, 307}) m_realPlayer->setDisplayOption(option, true);
    for (int option : {353, 295, 338, 225}) m_realPlayer->setDisplayOption(option, false);
    const QRect client(QPoint(0, 0), size());
    m_realPlayer->videoWidget()->setGeometry(client);
    m_wmpPlayer->videoWidget()->setGeometry(client);
    m_wmpPlayer->setEnableContextMenu(false);
    m_wmpPlayer->setEnableErrorDialogs(false);
    m_wmpPlayer->setInvokeURLs(false);
    m_wmpPlayer->setFullScreen(false);
    timSetTimShowBackZOrder.start();
    placeTimeDisplay();
}
