#include "Controler.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include "PlayList.h"
#include "SysConfig.h"
#include "frmHide.h"
#include "frmMain.h"
#include "frmScreen.h"
#include "monitors/cMonitors2.h"
#include "platform/Rounding.h"
#include "platform/TextHelpers.h"

namespace {
// The first monitor, primary first, whose rectangle holds the pointer (edges included).
cMonitorPtr monitorUnderPointer() {
    const QPoint pointer = QCursor::pos();
    cMonitors2 monitors;
    monitors.GetMonitorArray();
    for (std::int32_t i = 1; i <= monitors.lngMonitorsCount(); ++i) {
        const cMonitorPtr monitor = monitors.objGetAMonitorByIndex(i);
        if (pointer.x() >= monitor->Left() && pointer.x() <= monitor->Left() + monitor->Width() &&
            pointer.y() >= monitor->Top() && pointer.y() <= monitor->Top() + monitor->Height()) {
            return monitor;
        }
    }
    return nullptr;
}

bool between(int value, int low, int length) {
    return low <= value && value <= low + length;
}
}  // namespace

Controler::Controler(QObject* parent) : QObject(parent) {}

Controler::~Controler() = default;

void Controler::setInitializePram(const QString& strDBFilePath, const QString& /*strScrSavPrcsFolderPath*/) {
    m_objSysConfig = std::make_unique<SysConfig>();
    m_objSysConfig->setStrDBFilePath(strDBFilePath);
    m_objSysConfig->boolGetData();
}

void Controler::setReferences(frmHide* trayWindow, frmMain* panel, frmScreen* screen, PlayList* playList) {
    m_frmHide = trayWindow;
    m_frmMain = panel;
    m_frmScreen = screen;
    m_objPlayList = playList;
    connect(screen, &frmScreen::clickPopuMenu, this, &Controler::frmScreen_clickPopuMenu);
    connect(screen, &frmScreen::ClickPlayer, this, &Controler::frmScreen_ClickPlayer);
    connect(screen, &frmScreen::DbClickPlayer, this, &Controler::frmScreen_DbClickPlayer);
    connect(screen, &frmScreen::JinDu, this, &Controler::frmScreen_JinDu);
    connect(screen, &frmScreen::PlayErr, this, &Controler::frmScreen_PlayErr);
    connect(screen, &frmScreen::PlayOver, this, &Controler::frmScreen_PlayOver);
}

frmHide* Controler::trayWindow() const {
    return m_frmHide;
}
frmMain* Controler::mainFace() const {
    return m_frmMain;
}
frmScreen* Controler::screen() const {
    return m_frmScreen;
}

void Controler::reportFace(int state) {
    if (m_frmMain) m_frmMain->setFaceToAPlayState(state, false);
}

void Controler::exitSys() {
    if (m_exiting) return;
    m_exiting = true;
    const bool keepList = m_objSysConfig && m_objSysConfig->boolSavePlayList();
    if (m_frmMain) {
        if (keepList) {
            m_objSysConfig->setLngCurrentPlayItemLen(static_cast<std::int32_t>(m_frmMain->lngGetMovieLen()));
            m_objSysConfig->setLngCurrentPlayPosition(static_cast<std::int32_t>(m_frmMain->lngGetJinDu()));
        }
        m_frmMain->hide();
    }
    if (m_frmScreen) {
        m_frmScreen->setBoolMute(false);
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        m_frmScreen->hide();
    }
    // Unloading the tray window takes the icon out of the notification area.
    if (m_frmHide) m_frmHide->close();
    if (m_objSysConfig) m_objSysConfig->boolSaveData();
    if (keepList && m_objPlayList) {
        QString ignored;
        m_objPlayList->boolSavePlayListToPLDB(ignored);
    }
    if (m_processEnder) {
        m_processEnder();
    } else {
        QCoreApplication::exit(0);
    }
}

bool Controler::play() {
    return m_frmScreen->play();
}
void Controler::pause() {
    m_frmScreen->pause();
}
void Controler::stopPlay() {
    m_frmScreen->stopPlay();
}

void Controler::setPlayRuler(int lngRule) {
    if (lngRule >= 0 && lngRule <= 3) m_objSysConfig->setLngPlayRuler(lngRule);
    m_frmScreen->setLngPlayRuler(lngRule);
}

void Controler::setFilePath(const QString& strPath) {
    m_frmScreen->setStrFilePath(strPath);
}

void Controler::setVolume(std::int16_t intVolume) {
    m_objSysConfig->setIntVolumeValue(intVolume);
    m_frmScreen->setIntVolume(intVolume);
}

qint64 Controler::lngGetClipLength() const {
    return m_frmScreen->lngFileLength();
}

void Controler::setJinDu(qint64 lngSeconds) {
    m_frmScreen->setLngJinDu(lngSeconds);
    if (m_frmScreen->lngState() == frmScreen::kStatePaused) {
        m_frmScreen->play();
        reportFace(kFacePlaying);
    }
}

void Controler::setMute(bool boolMute) {
    m_frmScreen->setBoolMute(boolMute);
}
bool Controler::boolGetMuteValue() const {
    return m_frmScreen->boolMute();
}

MoviePtr Controler::AddAMovieToPL(const QString& strPath, MoviePtr& objListResult) {
    const bool acceptable =
        strPath.contains(QLatin1String("http"), Qt::CaseInsensitive) || QFileInfo(strPath).isFile();
    if (!acceptable) return nullptr;
    auto movie = std::make_shared<Movie>();
    movie->strFileName = strFileNameOfPath(strPath);
    movie->strFilePath = strPath;
    objListResult = m_objPlayList->addAItem(movie);
    if (movie->boolIsPlayItem) m_frmScreen->setStrFilePath(strPath);
    return movie;
}

void Controler::BatchAddMovie(const QStringList& paths, bool boolPlayNow) {
    std::vector<MoviePtr> batch;
    MoviePtr batchPlayItem;
    for (qsizetype i = 1; i < paths.size(); ++i) {
        MoviePtr ignored;
        MoviePtr movie = AddAMovieToPL(paths.at(i), ignored);
        if (!movie) continue;
        movie->strFlag += QString::number(i);
        // The clock's key repeats for batches a few milliseconds apart: a key already held by an earlier
        // item gets a suffix, so that every operation by key still finds this item.
        while (m_objPlayList->lngGetIndexByItemFlag(movie->strFlag) != m_objPlayList->lngListCount())
            movie->strFlag += QLatin1Char('_');
        batch.push_back(movie);
        if (movie->boolIsPlayItem) batchPlayItem = movie;
    }
    if (batch.empty()) return;
    if (m_frmMain) {
        for (const MoviePtr& movie : batch) m_frmMain->AddAMovieToFaceList(movie);
    }
    const auto playTheSelectedRow = [this](const MoviePtr& movie) {
        if (m_frmMain) {
            m_frmMain->setPLItemStateByKey(movie->strFlag, 2);
            m_frmMain->setPLItemStateByKey(movie->strFlag, 1);
        }
        PlayAMovieByFlag(m_frmMain ? m_frmMain->strSelectedRowKey() : movie->strFlag);
        reportFace(kFacePlaying);
    };
    if (batchPlayItem) {
        playTheSelectedRow(batchPlayItem);
        return;
    }
    if (boolPlayNow) {
        m_frmScreen->stopPlay();
        reportFace(kFaceStopped);
    }
    const MoviePtr& first = batch.front();
    MoviePtr ignored;
    if (m_frmScreen->lngState() == frmScreen::kStateStopped) {
        m_objPlayList->setPlayItemByFlag(first->strFlag, ignored);
        m_objPlayList->setActItemByFlag(first->strFlag, ignored);
        playTheSelectedRow(first);
    } else {
        m_objPlayList->setActItemByFlag(first->strFlag, ignored);
        if (m_frmMain) m_frmMain->setPLItemStateByKey(first->strFlag, 1);
    }
}

bool Controler::deleteAItemFromPL(const QString& strFlag, MoviePtr& oldActItem, MoviePtr& newActItem,
                                  bool& boolWasPlayItem) {
    return m_objPlayList->deleteAItem(strFlag, oldActItem, newActItem, boolWasPlayItem);
}

void Controler::deleteAllItemFromPL() {
    m_objPlayList->clearList();
    m_frmScreen->setStrFilePath(QString());
}

bool Controler::moveAItemUpDown(int direction, const QString& strFlag, MoviePtr& swappedItem) {
    return m_objPlayList->moveAItemUpDown(direction, strFlag, swappedItem);
}

void Controler::selectAItem(const QString& strFlag) {
    MoviePtr ignored;
    m_objPlayList->setActItemByFlag(strFlag, ignored);
}

MoviePtr Controler::objGetPlayItem() const {
    return m_objPlayList->objGetPlayItem();
}
long Controler::lngGetIndexByItemFlag(const QString& strFlag) const {
    return m_objPlayList->lngGetIndexByItemFlag(strFlag);
}
long Controler::lngGetPlayListItemCount() const {
    return m_objPlayList->lngListCount();
}

void Controler::PlayAMovieByFlag(const QString& strFlag) {
    MoviePtr ignored;
    m_objPlayList->setPlayItemByFlag(strFlag, ignored);
    if (const MoviePtr item = m_objPlayList->objGetPlayItem()) {
        m_frmScreen->setStrFilePath(item->strFilePath);
        m_frmScreen->play();
    }
}

void Controler::playNextPreviousPlayItem(int lngDirection, bool boolRecycle, MoviePtr& objOldItem,
                                         MoviePtr& objItem) {
    objOldItem.reset();
    objItem.reset();
    int state = PlayList::kStateChosen;
    if (lngDirection == 1) {
        objItem = m_objPlayList->objGetNextPalyItem(boolRecycle, objOldItem, state);
    } else if (lngDirection == 2) {
        objItem = m_objPlayList->objGetPreviousPalyItem(boolRecycle, objOldItem, state);
    } else {
        return;
    }
    if (!objItem) return;
    MoviePtr ignored;
    m_objPlayList->setActItemByFlag(objItem->strFlag, ignored);
    m_frmScreen->setStrFilePath(objItem->strFilePath);
}

void Controler::showMainFace() {
    if (!m_frmMain) return;
    if (m_frmMain->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) {
        m_frmMain->setWindowState(Qt::WindowNoState);
    }
    if (m_frmMain->isVisible()) {
        m_frmMain->activateWindow();
        m_frmMain->setFocus();
    } else {
        m_frmMain->show();
    }
    m_frmMain->raise();
    resetMainFrmPosiByMousePosi();
}

void Controler::showConfigFace() {}

void Controler::resetMainFrmPosiByMousePosi() {
    if (!m_frmMain) return;
    const cMonitorPtr monitor = monitorUnderPointer();
    if (!monitor) return;
    const QRect panel = m_frmMain->frameGeometry();
    if (between(panel.left() + 5, monitor->Left(), monitor->Width()) &&
        between(panel.top() + 5, monitor->Top(), monitor->Height())) {
        return;
    }
    const auto left = lngRoundHalfEven((monitor->Width() - panel.width()) / 2.0 + monitor->Left());
    const auto top = lngRoundHalfEven((monitor->Height() - panel.height()) / 2.0 + monitor->Top());
    m_frmMain->move(static_cast<int>(left), static_cast<int>(top));
}

void Controler::saveRunPram(const RunParameter& runParameter) {
    m_objSysConfig->setBoolPlayNextOnErr(runParameter.boolPlayNextOnErr);
    m_objSysConfig->setBoolPopuMainFaceForErr(runParameter.boolPopuMainFaceForErr);
    m_objSysConfig->setBoolSavePlayList(runParameter.boolSavePlayList);
    m_objSysConfig->setBoolScreenSaver(runParameter.boolScreenSaver);
    m_objSysConfig->setLngSSDelayMinute(runParameter.lngSSDelayMinute);
    m_objSysConfig->setStrScrSavProcName(runParameter.strScrSavProcName);
    m_objSysConfig->boolSaveData();
}

void Controler::frmScreen_clickPopuMenu(int lngCommand) {
    switch (lngCommand) {
        case 1:
            m_frmScreen->setBoolMaxSize(false);
            reportFace(kFaceWindowed);
            break;
        case 2:
            m_frmScreen->setBoolMaxSize(true);
            reportFace(kFaceFullScreen);
            break;
        case 3:
            reportFace(play() ? kFacePlaying : kFacePaused);
            break;
        case 4:
            pause();
            reportFace(kFacePaused);
            break;
        case 5:
            stopPlay();
            reportFace(kFaceStopped);
            break;
        case 6:
        case 7:
            m_frmScreen->setBoolMute(lngCommand == 7);
            reportFace(m_frmScreen->boolMute() ? kFaceMuted : kFaceSoundOn);
            break;
        case 8:
            showMainFace();
            break;
        default:
            break;
    }
}

void Controler::frmScreen_ClickPlayer() {
    if (!m_frmMain) return;
    if (!m_frmMain->boolFaceActive()) {
        showMainFace();
        return;
    }
    const QRect video = m_frmScreen->frameGeometry();
    const QRect panel = m_frmMain->frameGeometry();
    const auto inside = [&video](int x, int y) {
        return between(y, video.top(), video.height()) && between(x, video.left(), video.width());
    };
    if (inside(panel.left(), panel.top()) &&
        inside(panel.left() + panel.width(), panel.top() + panel.height())) {
        if (m_frmMain->isVisible()) m_frmMain->showMinimized();
    } else {
        m_frmScreen->activateWindow();
        m_frmScreen->setFocus();
    }
}

void Controler::frmScreen_DbClickPlayer(bool boolIsMaxSize) {
    if (boolIsMaxSize) {
        showMainFace();
        return;
    }
    const cMonitorPtr monitor = monitorUnderPointer();
    if (!monitor) return;
    m_frmScreen->setLngMaxHeight(monitor->Height());
    m_frmScreen->setLngMaxWidth(monitor->Width());
    m_frmScreen->setLngMaxTop(monitor->Top());
    m_frmScreen->setLngMaxLeft(monitor->Left());
    m_frmScreen->setBoolMaxSize(true);
    reportFace(kFaceFullScreen);
}

void Controler::frmScreen_JinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition,
                                qint64 lngLengthSeconds, const QString& strLength) {
    if (m_frmMain)
        m_frmMain->setJinDu(lngPercent, lngPositionSeconds, strPosition, lngLengthSeconds, strLength);
}

void Controler::frmScreen_PlayErr(const QString& strMessage) {
    if (m_frmMain) m_frmMain->playErrEventProcess(strMessage);
}

void Controler::frmScreen_PlayOver() {
    if (m_frmMain) m_frmMain->playOverEventProcess();
}
