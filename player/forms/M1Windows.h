#pragma once

#include <QString>

class Controler;
class QWidget;

// Window routines of the start-up module that several windows use.

// Asks "您真的要关闭该程序吗?" in the program's message box, modal over the owner; "是" ends the program
// through the controller's exitSys.
void confirmExit(QWidget* owner, Controler* controler);

// Opens a page (a local file path or a web address) in the user's browser; never through a shell.
bool openPageInBrowser(QWidget* owner, const QString& path);

// Opens the user's mail program on a new message to the address.
bool openMailTo(QWidget* owner, const QString& address);
