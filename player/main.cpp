// Brandock, the player.
#include <QApplication>
#include <QStringList>

#include "M1.h"
#include "platform/ProgramPaths.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The control panel can be hidden and the screen window closed to the tray: only exitSys ends the player.
    app.setQuitOnLastWindowClosed(false);
    M1 m1(strProgramFolder());
    m1.exitOnTerminationRequests();
    m1.Main(app.arguments().mid(1).join(QLatin1Char(' ')));
    if (m1.boolHandedOver()) return 0;
    return app.exec();
}
