#pragma once

class Controler;
class PlayList;
class frmHide;
class frmMain;
class frmScreen;

// Hands the controller its windows and the play list, as start-up does, routes the screen window's events to
// the controller's handlers, and gives it the program's message box for its notes and the settings dialog.
void wireControler(Controler& controler, frmHide* trayWindow, frmMain* panel, frmScreen* screen,
                   PlayList* playList);
