#include "frmHide.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>

#include "M1Windows.h"
#include "base/ProgramPaths.h"
#include "control/Controler.h"
#include "frmAbout.h"

frmHide::frmHide(Controler* controler, QWidget* parent)
    : QWidget(parent),
      picTrayIco_XP(QStringLiteral(":/icons/kestrune.png")),
      picTrayIco_2000(QStringLiteral(":/icons/kestrune-2000.png")),
      m_controler(controler) {
    // The player's windows and dialogs take the tray icon as theirs.
    QApplication::setWindowIcon(picTrayIco_XP);
    setWindowIcon(picTrayIco_XP);

    timDelayCallWinProc.setInterval(kDelayCallWinProcInterval);
    timDelayCallWinProc.setSingleShot(true);
    connect(&timDelayCallWinProc, &QTimer::timeout, this, &frmHide::timDelayCallWinProc_Timer);

    buildTrayMenu();
    objTrayIcon = new QSystemTrayIcon(this);
    connect(objTrayIcon, &QSystemTrayIcon::activated, this, &frmHide::objTrayIcon_activated);
    buildTrayIconData();
    addTrayIcon();

    m_boolTrayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    timTrayWatch.setInterval(kTrayWatchInterval);
    connect(&timTrayWatch, &QTimer::timeout, this, &frmHide::timTrayWatch_Timer);
    timTrayWatch.start();
}

// The icon goes before the menu it pops up.
frmHide::~frmHide() {
    delete objTrayIcon;
    delete mnuTrayMenu;
}

void frmHide::resetTray() {
    deleteTrayIcon();
    buildTrayIconData();
    addTrayIcon();
}

// Qt's balloon, whether Qt draws it or the desktop's notifications do, breaks lines at LF; CR is no line
// break there. So CR LF becomes LF, empty lines included, and the balloon keeps its layout.
QString frmHide::strBalloonTextForDisplay() {
    return QString::fromUtf8(kBalloonText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void frmHide::closeEvent(QCloseEvent* event) {
    timTrayWatch.stop();
    deleteTrayIcon();
    QWidget::closeEvent(event);
}

void frmHide::buildTrayMenu() {
    // Without a parent: a pop-up of the notification area, not a child of this never-shown window.
    mnuTrayMenu = new QMenu;
    mnuTrayMenu->setTitle(QStringLiteral("总菜单"));
    mnuShowMainFace =
        mnuTrayMenu->addAction(QStringLiteral("显示控制面板"), this, &frmHide::mnuShowMainFace_Click);
    QFont bold = mnuShowMainFace->font();
    bold.setBold(true);
    mnuShowMainFace->setFont(bold);
    mnuTrayMenu->setDefaultAction(mnuShowMainFace);
    mnuLine1 = mnuTrayMenu->addSeparator();
    mnuConfig = mnuTrayMenu->addAction(QStringLiteral("设置"), this, &frmHide::mnuConfig_Click);
    mnuLine2 = mnuTrayMenu->addSeparator();
    mnuFAQ = mnuTrayMenu->addAction(QStringLiteral("使用手册"), this, &frmHide::mnuFAQ_Click);
    mnuAbout = mnuTrayMenu->addAction(QStringLiteral("关于"), this, &frmHide::mnuAbout_Click);
    mnuLine3 = mnuTrayMenu->addSeparator();
    mnuExit = mnuTrayMenu->addAction(QStringLiteral("退出"), this, &frmHide::mnuExit_Click);
}

// The 2000 picture belongs to Windows 2000 alone; every system the player runs on here takes the XP one.
void frmHide::buildTrayIconData() {
    objTrayIcon->setIcon(picTrayIco_XP);
    objTrayIcon->setToolTip(QString::fromUtf8(kTrayTip));
    // The notification area pops the menu up on the right button press, at the pointer.
    objTrayIcon->setContextMenu(mnuTrayMenu);
}

// Every add shows the balloon. Without a notification area the player runs on without its icon (the control
// panel stays reachable through another start of the player) until the tray watch sees one appear.
void frmHide::addTrayIcon() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    objTrayIcon->show();
    objTrayIcon->showMessage(QString::fromUtf8(kBalloonTitle), strBalloonTextForDisplay(),
                             QSystemTrayIcon::Information, kBalloonTimeout);
}

void frmHide::deleteTrayIcon() {
    if (objTrayIcon) objTrayIcon->hide();
}

// A double click shows the control panel; the right button's menu is the notification area's own; a single
// click, the middle button and anything else do nothing.
void frmHide::objTrayIcon_activated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick && m_controler) m_controler->showMainFace();
}

void frmHide::timDelayCallWinProc_Timer() {
    timDelayCallWinProc.stop();
}

void frmHide::timTrayWatch_Timer() {
    if (m_controler && m_controler->boolShuttingDown()) return;
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available && !m_boolTrayAvailable) resetTray();
    m_boolTrayAvailable = available;
}

void frmHide::mnuShowMainFace_Click() {
    if (m_controler) m_controler->showMainFace();
}

void frmHide::mnuConfig_Click() {
    if (m_controler) m_controler->showConfigFace();
}

void frmHide::mnuFAQ_Click() {
    openPageInBrowser(m_mainFace, strProgramFolder() + QStringLiteral("/Help/FunctionIntroduce.htm"));
}

void frmHide::mnuAbout_Click() {
    frmAbout about;
    about.exec();
}

void frmHide::mnuExit_Click() {
    if (m_controler) confirmExit(m_mainFace, m_controler);
}
