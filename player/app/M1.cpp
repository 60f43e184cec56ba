#include "M1.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPointer>
#include <QScreen>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>

#include "AppLog.h"
#include "base/CoreText.h"
#include "base/ProgramPaths.h"
#include "base/Rounding.h"
#include "basecore/Product.h"
#include "db/SettingsDatabase.h"
#include "forms/ChineseLocale.h"
#include "forms/ControlerWiring.h"
#include "forms/FileAdding.h"
#include "forms/frmCheckPlayers.h"
#include "forms/frmMsgBox.h"
#include "handover/FileListCommand.h"
#include "handover/InstanceChannel.h"
#include "handover/MF.h"
#include "model/SysConfig.h"
#include "monitors/AimMonitor.h"
#include "monitors/cMonitors.h"
#include "platform/Services.h"

namespace {
int terminationPipe[2] = {-1, -1};

// How long after its engine is there a start that plays a file leaves the other engine untested: its first
// picture is up well before.
constexpr int kOtherEngineTestDelayMs = 3000;

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminationPipe[1], &byte, 1);
}
}  // namespace

M1::M1(const QString& strProgramFolder) : m_strProgramFolder(strProgramFolder) {}

M1::M1(const QString& strProgramFolder, InstanceLock instanceLock)
    : m_strProgramFolder(strProgramFolder), m_instanceLock(std::move(instanceLock)) {}

// The screen window goes first: its last events still reach a controller and a panel that exist.
M1::~M1() {
    m_mpris.reset();
    m_instanceServer.reset();
    m_frmScreen.reset();
    m_frmMain.reset();
    m_frmHide.reset();
    m_objControler.reset();
}

void M1::Main(const QString& strCommandLine) {
    m_strAssocConfigPath = strPathInFolderIgnoringCase(m_strProgramFolder, QStringLiteral("sysconfig"));
    m_strAssocAppFolder = strParentFolder(m_strProgramFolder) + QStringLiteral("/FileAssocia");
    m_strAssocIcoFolder = m_strAssocAppFolder;

    if (!m_instanceLock.boolAcquired() && !m_instanceLock.boolAcquire()) {
        instancechannel::handOverToRunningPlayer(strCommandLine);
        m_boolHandedOver = true;
        return;
    }
    // Without a folder of the user's own this player runs alone, and says so where it was started.
    if (!m_instanceLock.strNoChannel().empty())
        std::fputs(("brandock: " + qtText(m_instanceLock.strNoChannel()) + '\n').toLocal8Bit().constData(),
                   stderr);

    installDesktopServices();
    useChineseLocale();
    m_engines = std::make_unique<EngineLoader>(m_strProgramFolder + QStringLiteral("/engines"));
    QString error;
    // An installed program keeps each user's settings in their own data folder. A file that is empty or
    // lacks a table would lose every session's list and settings: it gets the tables it lacks.
    QString databasePath;
    if (!settingsdb::boolPrepareSettings(m_strProgramFolder, databasePath, error))
        qCWarning(lcApp) << "settings database not ready:" << error;
    if (!settingsdb::boolWritable(databasePath)) m_strUnwritableSettings = databasePath;

    m_objPlayList = std::make_unique<PlayList>();
    m_objPlayList->setStrPLDBFilePath(databasePath);
    m_objControler = std::make_unique<Controler>();
    m_objControler->setInitializePram(databasePath, m_strProgramFolder + QStringLiteral("/SSP"));
    SysConfig& config = *m_objControler->objSysConfig();
    // Only the engine that the rule plays with first is made ready before the first play (the other one is
    // only tested, below, unless a play falls back to it). A start with files plays at once: its engine loads
    // while the windows are built. Otherwise it loads in the background once the windows are up (below): the
    // panel never waits for an engine library on its way, nor do the windows for the dynamic linker it holds.
    const int firstEngine = config.lngPlayRuler() == EngineRule::PreferMediaPlayer ||
                                    config.lngPlayRuler() == EngineRule::MediaPlayerOnly
                                ? EngineLoader::kMediaPlayer
                                : EngineLoader::kRealPlayer;
    m_intFirstEngine = firstEngine;
    m_boolPlaysAtStart = !strCommandLine.isEmpty();
    if (!strCommandLine.isEmpty()) {
        // Qt loads its picture plugins when it first reads a picture (the panel's menu bar asks the style for
        // an icon), and the dynamic linker lets nobody load anything while it loads the engine: they are
        // loaded now, so the windows are built while the engine loads rather than after it.
        QImageReader::supportedImageFormats();
        m_engines->prepareInBackground(firstEngine);
    }

    m_frmHide = std::make_unique<frmHide>(m_objControler.get());
    m_frmHide->setWindowTitle(QLatin1String(instancechannel::kInstanceCaption));
    // The tray window's channel: later starts reach this player from here on.
    if (m_instanceLock.strNoChannel().empty()) {
        m_instanceServer =
            std::make_unique<InstanceServer>([this](const QString& text) { onInstanceMessage(text); });
        if (!m_instanceServer->boolListen(error))
            qCWarning(lcApp) << "later starts cannot reach this player:" << error;
    }

    m_frmScreen = std::make_unique<frmScreen>(m_engines->createRealPlayerOnDemand(),
                                              m_engines->createMediaPlayerOnDemand());
    m_frmScreen->setWindowTitle(QLatin1String(kProductName));
    placeScreenWindow();
    m_frmScreen->show();
    m_frmScreen->setIntVolume(kDefaultVolume);

    m_frmMain = std::make_unique<frmMain>(m_objControler.get());
    m_frmMain->show();
    wireControler(*m_objControler, m_frmHide.get(), m_frmMain.get(), m_frmScreen.get(), m_objPlayList.get());
    new FileDropTarget(m_frmScreen.get(), true, m_objControler.get());

    if (config.boolSavePlayList()) {
        if (!m_objPlayList->boolGetPlayListFromPLDB(error))
            qCWarning(lcApp) << "play list not read:" << error;
    } else if (!m_objPlayList->boolSavePlayListToPLDB(error)) {
        qCWarning(lcApp) << "play list not emptied:" << error;
    }
    m_frmScreen->setIntVolume(config.intVolumeValue());
    m_frmScreen->setLngPlayRuler(config.lngPlayRuler());
    m_frmMain->initializeFace();
    if (config.boolSavePlayList() && m_objPlayList->lngListCount() > 0) {
        if (const MoviePtr playItem = m_objPlayList->objGetPlayItem()) {
            m_frmScreen->setStrFilePath(playItem->strFilePath);
        }
    }
    m_frmMain->setFaceBySysConfigPara();
    m_boolSysReady = true;
    noteWhatWasNotRead();
    // Both engines must be installed: each is tested as it loads in the background, the first one, then
    // the other. Without its engine a start's files wait for the presence dialog, which ends the player.
    if (!strCommandLine.isEmpty() && (!m_boolCheckEngines || boolEngineInstalled(firstEngine)))
        processCommandString(strCommandLine);
    // So that the first play of a drop or a hand-over does not hold the panel while the dynamic linker
    // loads the engine.
    QTimer::singleShot(0, this, [this, firstEngine] {
        if (m_boolCheckEngines) {
            testEngineInBackground(firstEngine);
        } else {
            m_engines->prepareInBackground(firstEngine);
        }
    });
    // The desktop's media keys and media widgets: the bus is reached in the background, once the windows
    // are up.
    QTimer::singleShot(0, this, [this] {
        if (m_objControler->boolShuttingDown()) return;
        m_mpris = std::make_unique<MprisService>(*m_objControler, *m_frmMain);
        m_mpris->start();
    });
}

bool M1::boolEngineInstalled(int engine) const {
    return engine == EngineLoader::kRealPlayer ? frmCheckPlayers::boolRealPlayerInstalled(*m_engines)
                                               : frmCheckPlayers::boolMediaPlayerInstalled(*m_engines);
}

// Loads the engine's plugin on a thread of its own; the answer comes back to the event loop.
void M1::testEngineInBackground(int engine) {
    m_engines->prepareInBackground(engine, [guard = QPointer<M1>(this), engine] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, engine] {
                if (guard) guard->engineTested(engine);
            },
            Qt::QueuedConnection);
    });
}

// The first engine there, the other one is tested next. When one is missing the windows go, the engine
// presence dialog says which, and the player ends once it is closed, as a user's exit would end it.
void M1::engineTested(int engine) {
    if (!m_boolSysReady || m_boolEnginesMissing || m_objControler->boolShuttingDown()) return;
    if (boolEngineInstalled(engine)) {
        if (engine != m_intFirstEngine) return;
        // Loading the other engine's libraries takes a processor for a while: a start that plays a file
        // tests the other engine once the file's first picture is up.
        const int other =
            engine == EngineLoader::kRealPlayer ? EngineLoader::kMediaPlayer : EngineLoader::kRealPlayer;
        QTimer::singleShot(m_boolPlaysAtStart ? kOtherEngineTestDelayMs : 0, this, [this, other] {
            if (!m_objControler->boolShuttingDown()) testEngineInBackground(other);
        });
        return;
    }
    m_boolEnginesMissing = true;
    m_frmScreen->hide();
    m_frmMain->hide();
    frmCheckPlayers check(m_strProgramFolder);
    check.checkPlayers(boolEngineInstalled(EngineLoader::kMediaPlayer),
                       boolEngineInstalled(EngineLoader::kRealPlayer));
    m_objControler->exitSys(Controler::ExitCause::SessionEnd);
}

// Settings or a list that could not be read stay in the file as they are, and the session's changes to them
// are not stored at exit: the user learns it once the panel is up, without start-up waiting for them.
void M1::noteWhatWasNotRead() {
    if (!m_strUnwritableSettings.isEmpty()) {
        const QString note = QStringLiteral(
                                 "无法保存设置和播放列表：设置数据库 %1 不能写入。\n"
                                 "本次运行中对运行参数和播放列表的改动在退出时不会保存。")
                                 .arg(QDir::toNativeSeparators(m_strUnwritableSettings));
        QTimer::singleShot(0, m_frmMain.get(), [this, note] { frmMsgBox::openNote(m_frmMain.get(), note); });
        return;
    }
    QStringList unread;
    if (m_objControler->objSysConfig()->boolLoadFailed()) unread << QStringLiteral("运行参数");
    if (m_objPlayList->boolLoadFailed()) unread << QStringLiteral("播放列表");
    if (unread.isEmpty()) return;
    const QString note = QStringLiteral(
                             "无法读取保存的%1：设置数据库正被其他程序使用，或已经损坏。\n"
                             "保存的%1保持原样，本次运行中对它们的改动在退出时不会保存。")
                             .arg(unread.join(QStringLiteral("和")));
    QTimer::singleShot(0, m_frmMain.get(), [this, note] { frmMsgBox::openNote(m_frmMain.get(), note); });
}

void M1::releaseInstance() {
    m_instanceServer.reset();
    m_instanceLock.release();
}

void M1::onInstanceMessage(const QString& text) {
    if (!m_boolSysReady || m_objControler->boolShuttingDown()) return;
    if (text == QLatin1String("-SMF")) {
        m_objControler->showMainFace();
    } else if (!text.isEmpty() && !m_frmHide->timDelayCallWinProc.isActive()) {
        m_frmHide->timDelayCallWinProc.start();
        processCommandString(text);
    }
}

void M1::processCommandString(const QString& text) {
    if (text.isEmpty()) return;
    bool boolPlay = true;
    QString ownBlock;
    const QStringList list = commandFileList(text, boolPlay, ownBlock);
    // A file-list command that cannot be served (fields missing, size not a number, no block) adds nothing.
    if (list.size() > 1) m_objControler->BatchAddMovie(list, boolPlay);
    // A block of a start's own goes once its files are rows: its writer learns so and need not wait longer.
    if (!ownBlock.isEmpty()) MF::boolRemoveBlock(ownBlock);
}

void M1::placeScreenWindow() {
    AimMonitor aim;
    aim.GetAimMonitorIndex();
    // The screen window offers no close command: it lives until the player exits.
    m_frmScreen->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowMinMaxButtonsHint);
    m_frmScreen->setLngMaxTop(aim.Top());
    m_frmScreen->setLngMaxLeft(aim.Left());
    m_frmScreen->setLngMaxWidth(aim.Width());
    m_frmScreen->setLngMaxHeight(aim.Height());

    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize size = primary ? primary->size() : QSize(1024, 768);
    m_frmScreen->setLngNormalWidth(static_cast<int>(lngRoundHalfEven(size.width() * 3.0 / 4.0)));
    m_frmScreen->setLngNormalHeight(static_cast<int>(lngRoundHalfEven(size.height() * 3.0 / 4.0)));
    m_frmScreen->setLngNormalTop(static_cast<int>(lngRoundHalfEven(size.height() / 8.0)));
    m_frmScreen->setLngNormalLeft(static_cast<int>(lngRoundHalfEven(size.width() / 8.0)));
}

void M1::exitOnTerminationRequests() {
    if (terminationPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminationPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(terminationPipe[0], &byte, 1);
        notifier->setEnabled(false);
        if (m_objControler) m_objControler->exitSys(Controler::ExitCause::SessionEnd);
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
    if (auto* guiApp = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(guiApp, &QGuiApplication::commitDataRequest, this, [this] {
            if (m_objControler) m_objControler->exitSys(Controler::ExitCause::SessionEnd);
        });
    }
}
