// Hands files to the player the way the file manager's context menu does: writes them into a file-list block,
// starts the player with the one argument that names the block, waits for it to end and removes the block.
//
//   kestrune-write-file-list --play|--add [--name BLOCK] --player PATH FILE...
//
// Without --name the block is called "KestruneFL_<pid>_<n>". Started with a single "DMenuF_" argument, the
// tool stands in for the player: it prints that argument and then the files of the block, one per line.
#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

#include "handover/FileListCommand.h"
#include "handover/MF.h"

namespace {
void printLine(const QString& text) {
    std::fputs((text.toLocal8Bit() + '\n').constData(), stdout);
}

int fail(const QString& message) {
    std::fputs((message.toLocal8Bit() + '\n').constData(), stderr);
    return 1;
}

int readAsPlayer(const QString& command) {
    bool play = true;
    const QStringList list = commandFileList(command, play);
    printLine(command);
    for (qsizetype i = 1; i < list.size(); ++i) printLine(list.at(i));
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && args.first().startsWith(QLatin1String("DMenuF_")))
        return readAsPlayer(args.first());

    const QString usage =
        QStringLiteral("usage: kestrune-write-file-list --play|--add [--name BLOCK] --player PATH FILE...");
    bool play = true, modeGiven = false;
    QString name, player;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--play") || option == QLatin1String("--add")) {
            play = option == QLatin1String("--play");
            modeGiven = true;
        } else if (option == QLatin1String("--name") && !args.isEmpty()) {
            name = args.takeFirst();
        } else if (option == QLatin1String("--player") && !args.isEmpty()) {
            player = args.takeFirst();
        } else {
            return fail(usage);
        }
    }
    if (!modeGiven || player.isEmpty() || args.isEmpty()) return fail(usage);

    qint32 size = 0;
    QString error;
    bool written = false;
    if (!name.isEmpty()) {
        written = boolWriteFileListBlock(name, args, size, error);
    } else {
        // A generated name may be taken by another hand-over still running; the next number is tried then.
        for (int n = 0; n < 100 && !written; ++n) {
            name = QStringLiteral("KestruneFL_%1_%2").arg(QCoreApplication::applicationPid()).arg(n);
            written = boolWriteFileListBlock(name, args, size, error);
        }
    }
    if (!written) return fail(error);

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(player, {strFileListCommand(play, name, size)});
    const bool ran = process.waitForStarted(-1) && process.waitForFinished(-1);
    MF::boolRemoveBlock(name);
    if (!ran)
        return fail(QStringLiteral("cannot run the player \"%1\": %2").arg(player, process.errorString()));
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 1;
}
