#include "Controler.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "ControlLog.h"
#include "base/FileSystemNames.h"
#include "base/Rounding.h"
#include "base/TextHelpers.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"
#include "monitors/cMonitors2.h"
#include "platform/Services.h"
#include "saverctl/MouseHideShow.h"
#include "saverctl/ScreenSaveAndPower.h"
#include "saverctl/ScreenSaverCtrl.h"

namespace {
bool between(int value, int low, int length) {
    return low <= value && value <= low + length;
}

// The first monitor, primary first, whose rectangle holds the pointer (edges included).
cMonitorPtr monitorUnderPointer() {
    const QPoint pointer = services().monitorSource->pointerPosition();
    cMonitors2 monitors;
    monitors.GetMonitorArray();
    for (std::int32_t i = 1; i <= monitors.lngMonitorsCount(); ++i) {
        const cMonitorPtr monitor = monitors.objGetAMonitorByIndex(i);
        if (between(pointer.x(), monitor->Left(), monitor->Width()) &&
            between(pointer.y(), monitor->Top(), monitor->Height())) {
            return monitor;
        }
    }
    return nullptr;
}
}  // namespace

Controler::Controler(QObject* parent) : QObject(parent) {}

Controler::~Controler() = default;

void Controler::setInitializePram(const QString& strDBFilePath, const QString& strScrSavPrcsFolderPath) {
    m_objSysConfig = std::make_unique<SysConfig>();
    m_objSysConfig->setStrDBFilePath(strDBFilePath);
    m_objSysConfig->boolGetData();
    createSaverSide(strScrSavPrcsFolderPath);
    m_objMouseHideShow = std::make_unique<MouseHideShow>();
    connect(m_objMouseHideShow.get(), &MouseHideShow::tellMePlayArea, this,
            &Controler::m_objMouseHideShow_tellMePlayArea, Qt::DirectConnection);
    m_objMouseHideShow->setLngBeforeHideMouseSecondNum(5);
    m_objMouseHideShow->setBoolEnabled(true);
}

void Controler::setReferences(TrayView* trayWindow, PanelView* panel, ScreenView* screen,
                              PlayList* playList) {
    m_frmHide = trayWindow;
    m_frmMain = panel;
    m_frmScreen = screen;
    m_objPlayList = playList;
}

void Controler::reportFace(FaceState state) {
    if (m_frmMain) m_frmMain->setFaceToAPlayState(state, false);
}

// ---- Exit -----------------------------------------------------------------------------------------------

void Controler::exitSys(ExitCause cause) {
    if (cause == ExitCause::SessionEnd) m_exitCause = cause;
    if (m_boolShuttingDown) {
        // Nobody will close the exit's note once the session ends.
        if (cause == ExitCause::SessionEnd && m_boolExitNoteUp) endProcess();
        return;
    }
    m_boolShuttingDown = true;
    // The pointer shows again for whatever the exit still has to say.
    m_objMouseHideShow.reset();
    m_boolKeepListAtExit = m_objSysConfig && m_objSysConfig->boolSavePlayList();
    if (m_frmMain) {
        if (m_boolKeepListAtExit) {
            m_objSysConfig->setLngCurrentPlayItemLen(static_cast<std::int32_t>(m_frmMain->lngGetMovieLen()));
            m_objSysConfig->setLngCurrentPlayPosition(static_cast<std::int32_t>(m_frmMain->lngGetJinDu()));
        }
        m_frmMain->hideFace();
    }
    if (m_frmScreen) m_frmScreen->setBoolMute(false);
    QTimer::singleShot(0, this, &Controler::finishExit);
}

void Controler::finishExit() {
    if (m_frmScreen) m_frmScreen->hideScreen();
    if (m_frmHide) m_frmHide->unloadTray();
    QStringList unstored;
    // What could not be read at start-up stays in the file as it is: the defaults would take its place.
    if (m_objSysConfig && m_objSysConfig->boolLoadFailed()) {
        qCInfo(lcControl) << "settings not stored: the stored ones could not be read at start-up";
    } else if (m_objSysConfig && !m_objSysConfig->boolSaveData()) {
        unstored << QStringLiteral("运行参数");
    }
    if (m_boolKeepListAtExit && m_objPlayList && m_objPlayList->boolLoadFailed()) {
        qCInfo(lcControl) << "play list not stored: the stored one could not be read at start-up";
    } else if (m_boolKeepListAtExit && m_objPlayList) {
        QString error;
        if (!m_objPlayList->boolSavePlayListToPLDB(error)) {
            qCWarning(lcControl) << "play list not stored:" << error;
            unstored << QStringLiteral("播放列表");
        }
    }
    releaseSaverSide();
    if (unstored.isEmpty() || m_exitCause == ExitCause::SessionEnd || !m_noteShower) {
        endProcess();
        return;
    }
    m_boolExitNoteUp = true;
    m_noteShower(QStringLiteral("退出时未能保存%1：设置数据库正被其他程序使用，或不能写入。")
                     .arg(unstored.join(QStringLiteral("和"))),
                 [this] { endProcess(); });
}

void Controler::endProcess() {
    if (m_boolEnded) return;
    m_boolEnded = true;
    if (m_processEnder) {
        m_processEnder();
    } else {
        QCoreApplication::exit(0);
    }
}

// ---- The pointer and the saver controller ---------------------------------------------------------------

void Controler::m_objMouseHideShow_tellMePlayArea(int& lngLeft, int& lngTop, int& lngWidth, int& lngHeight,
                                                  bool& boolMaxSize, QString& strCaption) {
    const QRect rectangle = m_frmScreen ? m_frmScreen->screenRectangle() : QRect();
    lngLeft = rectangle.left();
    lngTop = rectangle.top();
    lngWidth = rectangle.width();
    lngHeight = rectangle.height();
    boolMaxSize = m_frmScreen && m_frmScreen->boolMaxSize();
    strCaption = m_frmScreen ? m_frmScreen->strCaption() : QString();
}

// ---- Transport ------------------------------------------------------------------------------------------

bool Controler::play() {
    return m_frmScreen->play();
}
void Controler::pause() {
    m_frmScreen->pause();
}
void Controler::stopPlay() {
    m_frmScreen->stopPlay();
}

void Controler::setPlayRuler(EngineRule lngRule) {
    if (boolIsEngineRule(lngRule)) m_objSysConfig->setLngPlayRuler(lngRule);
    m_frmScreen->setLngPlayRuler(lngRule);
}

void Controler::setFilePath(const QString& strPath) {
    loadIntoScreen(strPath);
}

void Controler::loadIntoScreen(const QString& strPath) {
    m_frmScreen->setStrFilePath(strPath);
    m_lngReportedLength = 0;
    emit PlayItemChange();
}

void Controler::setVolume(std::int16_t intVolume) {
    m_objSysConfig->setIntVolumeValue(intVolume);
    m_frmScreen->setIntVolume(intVolume);
    emit VolumeChange();
}

qint64 Controler::lngGetClipLength() const {
    return m_frmScreen->lngFileLength();
}

void Controler::setJinDu(qint64 lngSeconds) {
    m_frmScreen->setLngJinDu(lngSeconds);
    if (m_frmScreen->lngState() == PlayState::Paused) {
        m_frmScreen->play();
        reportFace(FaceState::Playing);
    }
    emit JinDuSet(lngSeconds);
}

void Controler::setMute(bool boolMute) {
    m_frmScreen->setBoolMute(boolMute);
    emit VolumeChange();
}
bool Controler::boolGetMuteValue() const {
    return m_frmScreen->boolMute();
}
PlayState Controler::lngScreenState() const {
    return m_frmScreen ? m_frmScreen->lngState() : PlayState::Stopped;
}

// ---- The run configuration ------------------------------------------------------------------------------

PlayRule Controler::lngRecyclePlayType() const {
    return m_objSysConfig->lngRecyclePlayType();
}
void Controler::setLngRecyclePlayType(PlayRule rule) {
    m_objSysConfig->setLngRecyclePlayType(rule);
}
EngineRule Controler::lngPlayRuler() const {
    return m_objSysConfig->lngPlayRuler();
}
std::int16_t Controler::intVolumeValue() const {
    return m_objSysConfig->intVolumeValue();
}
bool Controler::boolPlayNextOnErr() const {
    return m_objSysConfig->boolPlayNextOnErr();
}
bool Controler::boolPopuMainFaceForErr() const {
    return m_objSysConfig->boolPopuMainFaceForErr();
}
bool Controler::boolSavePlayList() const {
    return m_objSysConfig->boolSavePlayList();
}
qint64 Controler::lngCurrentPlayPosition() const {
    return m_objSysConfig->lngCurrentPlayPosition();
}
qint64 Controler::lngCurrentPlayItemLen() const {
    return m_objSysConfig->lngCurrentPlayItemLen();
}

// ---- Play-list editing ----------------------------------------------------------------------------------

MoviePtr Controler::AddAMovieToPL(const QString& strPath, MoviePtr& objListResult) {
    const bool acceptable =
        strPath.contains(QLatin1String("http"), Qt::CaseInsensitive) || boolIsFileOnDisk(strPath);
    if (!acceptable) return nullptr;
    auto movie = std::make_shared<Movie>();
    movie->strFileName = strFileNameOfPath(strPath);
    movie->strFilePath = strPath;
    objListResult = m_objPlayList->addAItem(movie);
    if (movie->boolIsPlayItem) {
        loadIntoScreen(strPath);
    } else {
        emit PlayItemChange();
    }
    return movie;
}

void Controler::BatchAddMovie(const QStringList& paths, bool boolPlayNow) {
    std::vector<MoviePtr> batch;
    MoviePtr batchPlayItem;
    for (qsizetype i = 1; i < paths.size(); ++i) {
        MoviePtr ignored;
        MoviePtr movie = AddAMovieToPL(paths.at(i), ignored);
        if (!movie) continue;
        m_objPlayList->setItemFlag(movie, movie->strFlag + QString::number(i));
        // The clock's key repeats for batches a few milliseconds apart: a key already held by an earlier
        // item gets a suffix, so that every operation by key still finds this item.
        while (m_objPlayList->lngItemsWithFlag(movie->strFlag) > 1)
            m_objPlayList->setItemFlag(movie, movie->strFlag + QLatin1Char('_'));
        batch.push_back(movie);
        if (movie->boolIsPlayItem) batchPlayItem = movie;
    }
    if (batch.empty()) return;
    if (m_frmMain) m_frmMain->AddMoviesToFaceList(batch);
    const auto playTheSelectedRow = [this](const MoviePtr& movie) {
        if (m_frmMain) {
            m_frmMain->setPLItemStateByKey(movie->strFlag, RowState::PlayItem);
            m_frmMain->setPLItemStateByKey(movie->strFlag, RowState::Selected);
        }
        PlayAMovieByFlag(m_frmMain ? m_frmMain->strSelectedRowKey() : movie->strFlag);
        reportFace(FaceState::Playing);
    };
    if (batchPlayItem) {
        playTheSelectedRow(batchPlayItem);
        return;
    }
    if (boolPlayNow) {
        m_frmScreen->stopPlay();
        reportFace(FaceState::Stopped);
    }
    const MoviePtr& first = batch.front();
    MoviePtr ignored;
    if (m_frmScreen->lngState() == PlayState::Stopped) {
        m_objPlayList->setPlayItemByFlag(first->strFlag, ignored);
        m_objPlayList->setActItemByFlag(first->strFlag, ignored);
        playTheSelectedRow(first);
    } else {
        m_objPlayList->setActItemByFlag(first->strFlag, ignored);
        if (m_frmMain) m_frmMain->setPLItemStateByKey(first->strFlag, RowState::Selected);
    }
}

bool Controler::deleteAItemFromPL(const QString& strFlag, MoviePtr& oldActItem, MoviePtr& newActItem,
                                  bool& boolWasPlayItem) {
    const bool deleted = m_objPlayList->deleteAItem(strFlag, oldActItem, newActItem, boolWasPlayItem);
    if (deleted) emit PlayItemChange();
    return deleted;
}

void Controler::deleteAllItemFromPL() {
    m_objPlayList->clearList();
    loadIntoScreen(QString());
}

bool Controler::moveAItemUpDown(MoveDirection direction, const QString& strFlag, MoviePtr& swappedItem) {
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
        loadIntoScreen(item->strFilePath);
        m_frmScreen->play();
    }
}

void Controler::playNextPreviousPlayItem(StepDirection lngDirection, bool boolRecycle, MoviePtr& objOldItem,
                                         MoviePtr& objItem) {
    objOldItem.reset();
    objItem.reset();
    StepState state = StepState::Chosen;
    if (lngDirection == StepDirection::Next) {
        objItem = m_objPlayList->objGetNextPalyItem(boolRecycle, objOldItem, state);
    } else if (lngDirection == StepDirection::Previous) {
        objItem = m_objPlayList->objGetPreviousPalyItem(boolRecycle, objOldItem, state);
    } else {
        return;
    }
    if (!objItem) return;
    MoviePtr ignored;
    m_objPlayList->setActItemByFlag(objItem->strFlag, ignored);
    loadIntoScreen(objItem->strFilePath);
}

// ---- Windows --------------------------------------------------------------------------------------------

void Controler::showMainFace() {
    if (!m_frmMain) return;
    m_frmMain->showFace();
    resetMainFrmPosiByMousePosi();
}

void Controler::showConfigFace() {
    if (m_boolShuttingDown || !m_configFaceShower) return;
    RunParameter record;
    record.boolPlayNextOnErr = m_objSysConfig->boolPlayNextOnErr();
    record.boolPopuMainFaceForErr = m_objSysConfig->boolPopuMainFaceForErr();
    record.boolSavePlayList = m_objSysConfig->boolSavePlayList();
    record.boolScreenSaver = m_objSysConfig->boolScreenSaver();
    record.lngSSDelayMinute = m_objSysConfig->lngSSDelayMinute();
    record.strScrSavProcName = m_objSysConfig->strScrSavProcName();
    if (m_objScreenSaverCtrl) {
        m_objScreenSaverCtrl->getScrSaverProcNameList();
        for (std::int32_t i = 1; i <= m_objScreenSaverCtrl->lngGetScrSavPrcNameLstItmCount(); ++i) {
            record.colScrSavProcNames << m_objScreenSaverCtrl->strGetScrSavPrcNameByIndex(i);
        }
    }
    m_configFaceShower(record);
}

void Controler::resetMainFrmPosiByMousePosi() {
    if (!m_frmMain) return;
    const cMonitorPtr monitor = monitorUnderPointer();
    if (!monitor) return;
    const QRect panel = m_frmMain->faceRectangle();
    if (between(panel.left() + 5, monitor->Left(), monitor->Width()) &&
        between(panel.top() + 5, monitor->Top(), monitor->Height())) {
        return;
    }
    const auto left = lngRoundHalfEven((monitor->Width() - panel.width()) / 2.0 + monitor->Left());
    const auto top = lngRoundHalfEven((monitor->Height() - panel.height()) / 2.0 + monitor->Top());
    m_frmMain->moveFace(QPoint(static_cast<int>(left), static_cast<int>(top)));
}

void Controler::saveRunPram(const RunParameter& runParameter) {
    m_objSysConfig->setBoolPlayNextOnErr(runParameter.boolPlayNextOnErr);
    m_objSysConfig->setBoolPopuMainFaceForErr(runParameter.boolPopuMainFaceForErr);
    m_objSysConfig->setBoolSavePlayList(runParameter.boolSavePlayList);
    m_objSysConfig->setBoolScreenSaver(runParameter.boolScreenSaver);
    m_objSysConfig->setLngSSDelayMinute(runParameter.lngSSDelayMinute);
    m_objSysConfig->setStrScrSavProcName(runParameter.strScrSavProcName);
    m_objSysConfig->boolSaveData();
    if (m_objScreenSaverCtrl) {
        m_objScreenSaverCtrl->setLngDelayMinute(runParameter.lngSSDelayMinute);
        m_objScreenSaverCtrl->setStrScreenSaverProcName(runParameter.strScrSavProcName);
        m_objScreenSaverCtrl->setLngWorkState(runParameter.boolScreenSaver ? ScreenSaverCtrl::kArmed
                                                                           : ScreenSaverCtrl::kOff);
    }
}

void Controler::setFullScreenOn(const cMonitor& monitor) {
    setFullScreenOn(QRect(monitor.Left(), monitor.Top(), monitor.Width(), monitor.Height()));
}

void Controler::setFullScreenOn(const QRect& monitor) {
    m_frmScreen->setLngMaxHeight(monitor.height());
    m_frmScreen->setLngMaxWidth(monitor.width());
    m_frmScreen->setLngMaxTop(monitor.top());
    m_frmScreen->setLngMaxLeft(monitor.left());
    m_frmScreen->setBoolMaxSize(true);
}

void Controler::exitFullScreen() {
    m_frmScreen->setBoolMaxSize(false);
}

// ---- The keyboard ---------------------------------------------------------------------------------------

void Controler::doKeyCommand(PlayerKey key) {
    if (m_boolShuttingDown || !m_frmScreen) return;
    switch (key) {
        case PlayerKey::PlayPause:
            if (m_frmScreen->lngState() == PlayState::Playing) {
                frmScreen_clickPopuMenu(MenuCommand::Pause);
            } else if (m_frmScreen->lngState() != PlayState::Starting) {
                frmScreen_clickPopuMenu(MenuCommand::Play);
            }
            break;
        case PlayerKey::ToggleFullScreen:
            if (m_frmScreen->boolMaxSize()) {
                frmScreen_clickPopuMenu(MenuCommand::ExitFullScreen);
            } else {
                setFullScreenOn(m_frmScreen->monitorRectangle());
                reportFace(FaceState::FullScreen);
            }
            break;
        case PlayerKey::LeaveFullScreen:
            if (m_frmScreen->boolMaxSize()) frmScreen_clickPopuMenu(MenuCommand::ExitFullScreen);
            break;
        case PlayerKey::ToggleMute:
            frmScreen_clickPopuMenu(m_frmScreen->boolMute() ? MenuCommand::SoundOn : MenuCommand::Mute);
            break;
        case PlayerKey::SeekBack:
            seekBy(-kSeekStepSeconds);
            break;
        case PlayerKey::SeekForward:
            seekBy(kSeekStepSeconds);
            break;
        case PlayerKey::VolumeUp:
            changeVolumeBy(kVolumeStep);
            break;
        case PlayerKey::VolumeDown:
            changeVolumeBy(-kVolumeStep);
            break;
    }
}

// From the position the panel shows, within the clip.
void Controler::seekBy(qint64 seconds) {
    if (!m_frmMain || m_frmScreen->lngState() == PlayState::Stopped) return;
    const qint64 length = m_frmMain->lngGetMovieLen();
    qint64 target = std::max<qint64>(0, m_frmMain->lngGetJinDu() + seconds);
    if (length > 0) target = std::min(target, length);
    setJinDu(target);
}

void Controler::changeVolumeBy(int delta) {
    const int volume = std::clamp(m_objSysConfig->intVolumeValue() + delta, 0, 100);
    setVolume(static_cast<std::int16_t>(volume));
    if (m_frmMain) m_frmMain->showVolume(volume);
    reportFace(FaceState::SoundOn);
}

// ---- The screen window's events -------------------------------------------------------------------------

void Controler::frmScreen_clickPopuMenu(MenuCommand lngCommand) {
    if (m_boolShuttingDown) return;
    switch (lngCommand) {
        case MenuCommand::ExitFullScreen:
            exitFullScreen();
            reportFace(FaceState::Windowed);
            break;
        case MenuCommand::FullScreenTo:
            m_frmScreen->setBoolMaxSize(true);
            reportFace(FaceState::FullScreen);
            break;
        case MenuCommand::Play:
            reportFace(play() ? FaceState::Playing : FaceState::Paused);
            break;
        case MenuCommand::Pause:
            pause();
            reportFace(FaceState::Paused);
            break;
        case MenuCommand::Stop:
            stopPlay();
            reportFace(FaceState::Stopped);
            break;
        case MenuCommand::SoundOn:
        case MenuCommand::Mute:
            m_frmScreen->setBoolMute(lngCommand == MenuCommand::Mute);
            reportFace(m_frmScreen->boolMute() ? FaceState::Muted : FaceState::SoundOn);
            emit VolumeChange();
            break;
        case MenuCommand::ShowMainFace:
            showMainFace();
            break;
    }
}

void Controler::frmScreen_ClickPlayer() {
    if (m_boolShuttingDown || !m_frmMain) return;
    if (!m_frmMain->boolFaceActive()) {
        showMainFace();
        return;
    }
    const QRect video = m_frmScreen->screenRectangle();
    const QRect panel = m_frmMain->faceRectangle();
    const auto inside = [&video](int x, int y) {
        return between(y, video.top(), video.height()) && between(x, video.left(), video.width());
    };
    if (inside(panel.left(), panel.top()) &&
        inside(panel.left() + panel.width(), panel.top() + panel.height())) {
        if (m_frmMain->boolFaceVisible()) m_frmMain->minimiseFace();
    } else {
        m_frmScreen->takeFocus();
    }
}

void Controler::frmScreen_DbClickPlayer(bool boolIsMaxSize) {
    if (m_boolShuttingDown) return;
    if (boolIsMaxSize) {
        showMainFace();
        return;
    }
    const cMonitorPtr monitor = monitorUnderPointer();
    if (!monitor) return;
    setFullScreenOn(*monitor);
    reportFace(FaceState::FullScreen);
}

void Controler::frmScreen_JinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition,
                                qint64 lngLengthSeconds, const QString& strLength) {
    if (m_boolShuttingDown || !m_frmMain) return;
    m_frmMain->setJinDu(lngPercent, lngPositionSeconds, strPosition, lngLengthSeconds, strLength);
    if (lngLengthSeconds > 0 && lngLengthSeconds != m_lngReportedLength) {
        m_lngReportedLength = lngLengthSeconds;
        emit PlayItemChange();
    }
}

void Controler::frmScreen_PlayErr(const QString& strMessage) {
    if (m_boolShuttingDown || !m_frmMain) return;
    m_frmMain->playErrEventProcess(strMessage);
}

void Controler::frmScreen_PlayOver() {
    if (m_boolShuttingDown || !m_frmMain) return;
    m_frmMain->playOverEventProcess();
}
