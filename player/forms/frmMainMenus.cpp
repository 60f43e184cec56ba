// The control panel's menus: adding files, the monitor menu of full screen, the manual and the About box.
#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "ControlTag.h"
#include "FileAdding.h"
#include "M1Windows.h"
#include "base/ProgramPaths.h"
#include "control/Controler.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "monitors/MonitorNames.h"
#include "monitors/cMonitors2.h"

void frmMain::addFilesByDialog(bool play) {
    if (!commdilogAddFile) commdilogAddFile = newAddFileDialog(this);
    ::addFilesByDialog(*commdilogAddFile, play, m_controler, this);
    focusPlayList();
}

// Full screen: leave it, or offer the monitors as they are now, the primary first.
void frmMain::cmdSetScreen_Click() {
    if (tagOf(cmdSetScreen) == QLatin1String("2")) {
        m_controler->exitFullScreen();
        setFaceToAPlayState(FaceState::Windowed, false);
        setFocus();
        return;
    }
    while (mnuSx.size() > 1) {
        delete mnuSx.back();
        mnuSx.pop_back();
    }
    if (!objMonitors) objMonitors = std::make_unique<cMonitors2>();
    objMonitors->GetMonitorArray();
    const QStringList texts = strMonitorMenuTexts(objMonitors->lngMonitorsCount());
    mnuSx.front()->setText(texts.front());
    for (int i = 1; i < texts.size(); ++i) {
        QAction* item = mnuScreens->addAction(texts.at(i));
        connect(item, &QAction::triggered, this, [this, i] { mnuSx_Click(i); });
        mnuSx.push_back(item);
    }
    mnuScreens->popup(cmdSetScreen->mapToGlobal(QPoint(0, cmdSetScreen->height())));
}

void frmMain::mnuSx_Click(int index) {
    if (!objMonitors || objMonitors->lngMonitorsCount() < 1) return;
    const cMonitorPtr monitor = objMonitors->objGetAMonitorByIndex(index + 1);
    if (!monitor) return;
    m_controler->setFullScreenOn(*monitor);
    setFaceToAPlayState(FaceState::FullScreen, false);
    setFocus();
}

void frmMain::mnuFAQ_Click() {
    openPageInBrowser(this, strProgramFolder() + QStringLiteral("/Help/FunctionIntroduce.htm"));
}

void frmMain::mnuAbout_Click() {
    frmAbout about(this);
    about.exec();
}
