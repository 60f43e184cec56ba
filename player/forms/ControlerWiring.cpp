#include "ControlerWiring.h"

#include "control/Controler.h"
#include "frmHide.h"
#include "frmMain.h"
#include "frmScreen.h"

void wireControler(Controler& controler, frmHide* trayWindow, frmMain* panel, frmScreen* screen,
                   PlayList* playList) {
    controler.setReferences(trayWindow, panel, screen, playList);
    if (trayWindow) trayWindow->setMainFace(panel);
    if (!screen) return;
    QObject::connect(screen, &frmScreen::clickPopuMenu, &controler, &Controler::frmScreen_clickPopuMenu);
    QObject::connect(screen, &frmScreen::ClickPlayer, &controler, &Controler::frmScreen_ClickPlayer);
    QObject::connect(screen, &frmScreen::DbClickPlayer, &controler, &Controler::frmScreen_DbClickPlayer);
    QObject::connect(screen, &frmScreen::JinDu, &controler, &Controler::frmScreen_JinDu);
    QObject::connect(screen, &frmScreen::PlayErr, &controler, &Controler::frmScreen_PlayErr);
    QObject::connect(screen, &frmScreen::PlayOver, &controler, &Controler::frmScreen_PlayOver);
    QObject::connect(screen, &frmScreen::KeyCommand, &controler, &Controler::doKeyCommand);
}
