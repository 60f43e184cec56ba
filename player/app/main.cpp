// Brandock, the player.
#include <QApplication>
#include <QStringList>
#include <clocale>

#include "M1.h"
#include "base/ProgramPaths.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // libmpv reads and writes numbers with a decimal point; QApplication has just set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The control panel can be hidden and the screen window closed to the tray: only exitSys ends the player.
    app.setQuitOnLastWindowClosed(false);
    M1 m1(strProgramFolder());
    m1.exitOnTerminationRequests();
    m1.Main(app.arguments().mid(1).join(QLatin1Char(' ')));
    if (m1.boolHandedOver()) return 0;
    // Once the list and settings are stored the next start may become the player at once; the event loop
    // ends, and M1 takes the windows and engines down in order as main returns.
    m1.objControler()->setProcessEnder([&m1] {
        m1.releaseInstance();
        QCoreApplication::exit(0);
    });
    return app.exec();
}
