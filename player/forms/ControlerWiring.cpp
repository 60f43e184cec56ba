#include "ControlerWiring.h"

#include <QFileInfo>

#include "control/Controler.h"
#include "frmHide.h"
#include "frmMain.h"
#include "frmMsgBox.h"
#include "frmScreen.h"
#include "frmSysConfig.h"
#include "model/SysConfig.h"

void wireControler(Controler& controler, frmHide* trayWindow, frmMain* panel, frmScreen* screen,
                   PlayList* playList) {
    controler.setReferences(trayWindow, panel, screen, playList);
    // The exit's note comes when every window has gone, so it stands over the whole program.
    controler.setNoteShower([&controler](const QString& note, std::function<void()> closed) {
        QObject::connect(frmMsgBox::openNote(nullptr, note), &QDialog::finished, &controler,
                         [closed = std::move(closed)] { closed(); });
    });
    controler.setConfigFaceShower([&controler, panel](RunParameter& runParameter) {
        frmSysConfig dialog(&controler, panel);
        // The association tables live in the settings database, in the program folder.
        dialog.strAssocProgramFolder = QFileInfo(controler.objSysConfig()->strDBFilePath()).absolutePath();
        dialog.objRunParameter = &runParameter;
        dialog.setFaceItemByData();
        dialog.exec();
    });
    if (trayWindow) trayWindow->setMainFace(panel);
    if (!screen) return;
    QObject::connect(screen, &frmScreen::clickPopuMenu, &controler, &Controler::frmScreen_clickPopuMenu);
    QObject::connect(screen, &frmScreen::ClickPlayer, &controler, &Controler::frmScreen_ClickPlayer);
    QObject::connect(screen, &frmScreen::DbClickPlayer, &controler, &Controler::frmScreen_DbClickPlayer);
    QObject::connect(screen, &frmScreen::JinDu, &controler, &Controler::frmScreen_JinDu);
    QObject::connect(screen, &frmScreen::PlayErr, &controler, &Controler::frmScreen_PlayErr);
    QObject::connect(screen, &frmScreen::PlayOver, &controler, &Controler::frmScreen_PlayOver);
    QObject::connect(screen, &frmScreen::KeyCommand, &controler, &Controler::doKeyCommand);
    QObject::connect(screen, &frmScreen::StateChange, &controler, &Controler::frmScreen_StateChange);
    QObject::connect(screen, &frmScreen::FrmPosiReport, &controler, &Controler::setPlayPosiForScreenSaver);
}
