// Brandock, the player.
#include <QApplication>
#include <QStringList>
#include <clocale>

#include "M1.h"
#include "StartRequest.h"
#include "base/FileSystemNames.h"
#include "base/ProgramPaths.h"
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
}  // namespace

int main(int argc, char* argv[]) {
    if (boolAnsweredOnTheTerminal(argc, argv)) return 0;
    QApplication app(argc, argv);
    // libmpv reads and writes numbers with a decimal point; QApplication has just set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The control panel can be hidden and the screen window closed to the tray: only exitSys ends the player.
    app.setQuitOnLastWindowClosed(false);

    M1 m1(strProgramFolder());
    m1.exitOnTerminationRequests();
    {
        // QApplication has taken its own options out of argv.
        const StartRequest request = startRequestOf(argumentsOf(argc, argv), strCurrentFolder());
        for (const QString& missing : request.notFound)
            print(stderr, QStringLiteral("brandock: 找不到文件: %1\n").arg(missing));
        // Several files travel in a block of this start's own, read by the player before Main returns.
        QString commandLine = request.strCommandLine;
        OutgoingFileList files;
        QString error;
        if (!request.files.isEmpty() && !files.boolWrite(request.files, commandLine, error))
            print(stderr, QStringLiteral("brandock: %1\n").arg(error));
        m1.Main(commandLine);
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
