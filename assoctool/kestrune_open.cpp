// The association launcher: what the desktop entry of every type associated with the player runs.
//
//   kestrune-open [--add] FILE...
//
// Without files it starts the player alone, as the application menu does through the player's desktop entry.
// All the files go to the player in one file-list block of this start's own (every path comes back whole),
// named by the one argument "DMenuF_1__/?%/<block>/?%/<size>" ("DMenuF_2__" with --add: only added). The
// player, "Kestrune/brandock" beside this program's folder, starts detached, without a shell. A running
// player takes the files over from it and it ends; otherwise it becomes the player and never ends soon.
// Either way the block must not stay: the player removes a block of this kind once its files are rows, and
// this program waits for that, or for the started process to end (then it removes the block itself), at
// most kHangGuardMs.
#include <signal.h>
#include <sys/mman.h>
#include <time.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/FileSystemNames.h"
#include "base/ProgramPaths.h"
#include "handover/FileListCommand.h"
#include "handover/MF.h"

namespace {
// A player that becomes the player reads its files only once its windows are up: that may take a while on a
// busy machine, so the launcher waits long before it takes the block back.
constexpr int kHangGuardMs = 10 * 60 * 1000;
// A running player takes the files over within tens of milliseconds: the first half second is watched
// closely, the rest of the wait coarsely.
constexpr int kFinePollMs = 2;
constexpr int kCoarsePollMs = 20;
constexpr int kFinePollSpanMs = 500;

void printError(const QString& text) {
    std::fputs(bytesForFileSystem(QStringLiteral("kestrune-open: ") + text + QLatin1Char('\n')).constData(),
               stderr);
}

// Addresses ("http://...") stay as they are; paths are made absolute against the current folder.
QString strWholePath(const QString& argument) {
    static const QRegularExpression address(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (address.match(argument).hasMatch() || QDir::isAbsolutePath(argument)) return argument;
    return strAbsolutePathIn(strCurrentFolder(), argument);
}

// Whether the process has ended: gone, or a zombie nobody has reaped yet.
bool boolProcessEnded(qint64 pid) {
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return true;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return true;
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    return nameEnd >= 0 && line.size() > nameEnd + 2 &&
           (line.at(nameEnd + 2) == 'Z' || line.at(nameEnd + 2) == 'X');
}

void sleepMs(int ms) {
    const timespec interval{0, static_cast<long>(ms) * 1000 * 1000};
    ::nanosleep(&interval, nullptr);
}

// The block's shm name, for a launcher ended by a signal while it waits: the block goes with it.
char blockShmName[256] = {};

void onEndingSignal(int signalNumber) {
    if (blockShmName[0]) ::shm_unlink(blockShmName);
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

void removeBlockOnEndingSignals(const QString& name) {
    const QByteArray shmName = '/' + name.toUtf8();
    if (shmName.size() >= static_cast<qsizetype>(sizeof blockShmName)) return;
    std::memcpy(blockShmName, shmName.constData(), static_cast<std::size_t>(shmName.size()));
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signalNumber, &action, nullptr);
}

bool boolWriteBlock(const QStringList& files, QString& name, qint32& size, QString& error) {
    // A name may still be taken by a launcher with this process id that died: the next number is tried then.
    for (int n = 0; n < 100; ++n) {
        name = QStringLiteral("KestruneOpen_%1_%2").arg(QCoreApplication::applicationPid()).arg(n);
        if (boolWriteOwnFileListBlock(name, files, size, error)) return true;
        if (!MF::boolBlockExists(name)) return false;
    }
    return false;
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << strFromFileSystemBytes(QByteArray(argv[i]));
    bool boolPlay = true;
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--add")) {
        boolPlay = false;
        arguments.removeFirst();
    }
    const QString player = strParentFolder(strProgramFolder()) + QStringLiteral("/Kestrune/brandock");
    if (arguments.isEmpty()) {
        // Started from the application menu: the player with its stored list, or the running player's panel.
        if (QProcess::startDetached(player, {})) return 0;
        printError(QStringLiteral("cannot start the player \"%1\"").arg(player));
        return 1;
    }
    QStringList files;
    for (const QString& argument : arguments) files << strWholePath(argument);

    QString name, error;
    qint32 size = 0;
    if (!boolWriteBlock(files, name, size, error)) {
        printError(error);
        return 1;
    }
    removeBlockOnEndingSignals(name);
    qint64 pid = 0;
    if (!QProcess::startDetached(player, {strFileListCommand(boolPlay, name, size)}, QString(), &pid)) {
        MF::boolRemoveBlock(name);
        printError(QStringLiteral("cannot start the player \"%1\"").arg(player));
        return 1;
    }

    QElapsedTimer waited;
    waited.start();
    while (!waited.hasExpired(kHangGuardMs)) {
        if (!MF::boolBlockExists(name)) return 0;
        if (boolProcessEnded(pid)) {
            MF::boolRemoveBlock(name);
            return 0;
        }
        sleepMs(waited.hasExpired(kFinePollSpanMs) ? kCoarsePollMs : kFinePollMs);
    }
    MF::boolRemoveBlock(name);
    printError(QStringLiteral("the player did not take the files in time"));
    return 1;
}
