// Brandock, the player.
#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <clocale>

#include "M1.h"
#include "StartRequest.h"
#include "base/FileSystemNames.h"
#include "base/ProgramPaths.h"
#include "handover/InstanceChannel.h"
#include "handover/OutgoingFileList.h"

namespace {
// Paths in the texts go out as the bytes they came in as.
void print(std::FILE* stream, const QString& text) {
    std::fputs(bytesForFileSystem(text).constData(), stream);
}

// The arguments after the program's own name, byte for byte: Qt's arguments() would put U+FFFD in place of
// a name's bytes that are not UTF-8.
QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << strFromFileSystemBytes(QByteArray(argv[i]));
    return arguments;
}

// --help and --version answer on the terminal, before anything needs a display.
bool boolAnsweredOnTheTerminal(int argc, char* argv[]) {
    if (argc != 2) return false;
    const StartRequest request = startRequestOf(argumentsOf(argc, argv), strCurrentFolder());
    if (request.action == StartRequest::Action::Start) return false;
    print(stdout, request.action == StartRequest::Action::PrintUsage ? strUsageText() : strVersionText());
    return true;
}

// The files of a start go out as its command line; several travel in a block of the start's own, which the
// player reads before this object goes (a player that starts, before Main returns; a running one, before it
// answers the hand-over).
struct StartFiles {
    explicit StartFiles(const QStringList& arguments) {
        const StartRequest request = startRequestOf(arguments, strCurrentFolder());
        for (const QString& missing : request.notFound)
            print(stderr, QStringLiteral("brandock: 找不到文件: %1\n").arg(missing));
        strCommandLine = request.strCommandLine;
        QString error;
        if (!request.files.isEmpty() && !block.boolWrite(request.files, strCommandLine, error))
            print(stderr, QStringLiteral("brandock: %1\n").arg(error));
    }
    QString strCommandLine;
    OutgoingFileList block;
};
}  // namespace

int main(int argc, char* argv[]) {
    if (boolAnsweredOnTheTerminal(argc, argv)) return 0;
    // Whether a player runs already is settled before any window or display is needed: a start that only
    // hands its files over builds no widgets and never connects to the X server. The lock stays held from
    // here into the player, so two first starts can never both become the player.
    InstanceLock instanceLock;
    {
        QCoreApplication core(argc, argv);
        if (!instanceLock.boolAcquire()) {
            const StartFiles files(withoutToolkitOptions(argumentsOf(argc, argv)));
            instancechannel::handOverToRunningPlayer(files.strCommandLine);
            return 0;
        }
    }
    QApplication app(argc, argv);
    // libmpv reads and writes numbers with a decimal point; QApplication has just set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The control panel can be hidden and the screen window closed to the tray: only exitSys ends the player.
    app.setQuitOnLastWindowClosed(false);

    M1 m1(strProgramFolder(), std::move(instanceLock));
    m1.exitOnTerminationRequests();
    {
        // QApplication has taken its own options out of argv.
        const StartFiles files(argumentsOf(argc, argv));
        m1.Main(files.strCommandLine);
    }
    if (m1.boolHandedOver()) return 0;
    // Once the list and settings are stored the next start may become the player at once; the event loop
    // ends, and M1 takes the windows and engines down in order as main returns.
    m1.objControler()->setProcessEnder([&m1] {
        m1.releaseInstance();
        QCoreApplication::exit(0);
    });
    return app.exec();
}
