// Brandock, the player: the start. Whether a player runs already is settled before any window or display is
// needed; a start that only hands its files over ends here, having loaded nothing but Qt Core.
#include <dlfcn.h>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

#include "PlayerLibrary.h"
#include "StartFiles.h"
#include "StartRequest.h"
#include "base/FileSystemNames.h"
#include "base/ProgramPaths.h"
#include "handover/InstanceChannel.h"

namespace {
// --help and --version answer on the terminal, before anything needs a display.
bool boolAnsweredOnTheTerminal(int argc, char* argv[]) {
    if (argc != 2) return false;
    const StartRequest request = startRequestOf(argumentsOf(argc, argv), strCurrentFolder());
    if (request.action == StartRequest::Action::Start) return false;
    printText(stdout, request.action == StartRequest::Action::PrintUsage ? strUsageText() : strVersionText());
    return true;
}

// The player library's entry, or nothing with the reason on the terminal. It is never unloaded: the process
// ends with the player.
playerlibrary::Entry playerEntry(const QString& programFolder) {
    const QByteArray path = QFile::encodeName(programFolder + QLatin1Char('/') + playerlibrary::kFileName);
    void* library = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    void* entry = library ? ::dlsym(library, playerlibrary::kEntryName) : nullptr;
    if (!entry) std::fprintf(stderr, "brandock: the player cannot be loaded: %s\n", ::dlerror());
    return reinterpret_cast<playerlibrary::Entry>(entry);
}
}  // namespace

int main(int argc, char* argv[]) {
    if (boolAnsweredOnTheTerminal(argc, argv)) return 0;
    // The lock stays held from here into the player, so two first starts can never both become the player.
    InstanceLock instanceLock;
    QString programFolder;
    {
        QCoreApplication core(argc, argv);
        if (!instanceLock.boolAcquire()) {
            const StartFiles files(withoutToolkitOptions(argumentsOf(argc, argv)));
            instancechannel::handOverToRunningPlayer(files.strCommandLine());
            return 0;
        }
        programFolder = strProgramFolder();
    }
    const playerlibrary::Entry runPlayer = playerEntry(programFolder);
    return runPlayer ? runPlayer(argc, argv, &instanceLock) : 1;
}
