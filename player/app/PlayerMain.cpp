// The player library's entry: the start that holds the instance lock becomes the player here.
#include <QApplication>
#include <clocale>
#include <type_traits>

#include "M1.h"
#include "base/CoreText.h"
#include "base/ProgramPaths.h"
#include "handover/InstanceChannel.h"
#include "start/PlayerLibrary.h"
#include "startcore/StartFiles.h"

extern "C" __attribute__((visibility("default"))) int kestruneRunPlayer(int argc, char* argv[],
                                                                        InstanceLock* instanceLock) {
    static_assert(std::is_same_v<decltype(&kestruneRunPlayer), playerlibrary::Entry>);
    QApplication app(argc, argv);
    // libmpv reads and writes numbers with a decimal point; QApplication has just set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The control panel can be hidden and the screen window closed to the tray: only exitSys ends the player.
    app.setQuitOnLastWindowClosed(false);

    M1 m1(strProgramFolder(), std::move(*instanceLock));
    m1.exitOnTerminationRequests();
    m1.setEnginePresenceCheck(true);
    {
        // QApplication has taken its own options out of argv.
        const StartFiles files(startcore::argumentsOf(argc, argv));
        m1.Main(qtText(files.strCommandLine()));
    }
    if (m1.boolHandedOver()) return 0;
    // Once the list and settings are stored the next start may become the player at once; the event loop
    // ends, and M1 takes the windows and engines down in order as the player returns.
    m1.objControler()->setProcessEnder([&m1] {
        m1.releaseInstance();
        QCoreApplication::exit(0);
    });
    return app.exec();
}
