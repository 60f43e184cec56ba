// The association launcher with the built player: its files reach a running player, or the player it
// starts, in one block, whole and in order, and no block stays behind.
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

#include "support/BuildPaths.h"
#include "support/ProgramFolder.h"

namespace {
class AssocLauncher : public ProgramFolderTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.installProgram());
        ASSERT_TRUE(folder.installLauncher());
        ASSERT_TRUE(QDir().mkpath(mediaFolder()));
    }
    QString mediaFolder() const { return folder.root() + QStringLiteral("/媒体 files"); }

    // Thirty names that a separator-joined list or a shell would cut: blanks, the file manager's separator,
    // quotes and a dollar sign.
    QStringList thirtyNames() const {
        QStringList names;
        for (int i = 1; i <= 30; ++i) {
            const QString name = QStringLiteral("%1 第%2首 @@_F%D-F_@ \"$HOME\".wav").arg(i, 2, 10, QLatin1Char('0')).arg(i);
            QFile::copy(built::media("tone.wav"), mediaFolder() + QLatin1Char('/') + name);
            names << name;
        }
        return names;
    }
    QStringList inMediaFolder(const QStringList& names) const {
        QStringList paths;
        for (const QString& name : names) paths << mediaFolder() + QLatin1Char('/') + name;
        return paths;
    }

    // Runs the launcher in the media folder; answers its exit status and how long it ran.
    int launch(const QStringList& arguments, qint64& elapsedMs, QStringList& leftBlocks) {
        QProcess launcher;
        launcher.setProcessChannelMode(QProcess::ForwardedChannels);
        launcher.setWorkingDirectory(mediaFolder());
        QElapsedTimer clock;
        clock.start();
        launcher.start(folder.launcher(), arguments);
        if (!launcher.waitForStarted(10000)) return -1;
        const qint64 pid = launcher.processId();
        const bool ended = launcher.waitForFinished(180000);
        elapsedMs = clock.elapsed();
        leftBlocks = QDir(QStringLiteral("/dev/shm"))
                         .entryList({QStringLiteral("KestruneOpen_%1_*").arg(pid)}, QDir::AllEntries | QDir::System);
        return ended && launcher.exitStatus() == QProcess::NormalExit ? launcher.exitCode() : -1;
    }
};
}  // namespace

TEST_F(AssocLauncher, ThirtyFilesReachTheRunningPlayerWholeAndInOrder) {
    QProcess* player = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    const QStringList names = thirtyNames();
    qint64 elapsedMs = 0;
    QStringList leftBlocks;
    EXPECT_EQ(launch(names, elapsedMs, leftBlocks), 0);
    std::printf("launcher start to the 30th row, player running: %lld ms\n", static_cast<long long>(elapsedMs));
    EXPECT_TRUE(leftBlocks.isEmpty()) << leftBlocks.join(' ').toStdString();

    ASSERT_EQ(terminate(player), 0);
    EXPECT_EQ(readStored()->paths(), inMediaFolder(names));
}

TEST_F(AssocLauncher, WithNoPlayerTheStartItMakesBecomesThePlayerWithAllThirty) {
    const QStringList files = inMediaFolder(thirtyNames());
    qint64 elapsedMs = 0;
    QStringList leftBlocks;
    EXPECT_EQ(launch(QStringList{QStringLiteral("--add")} + files, elapsedMs, leftBlocks), 0);
    std::printf("launcher start to the 30th row, first start: %lld ms\n", static_cast<long long>(elapsedMs));
    EXPECT_TRUE(leftBlocks.isEmpty()) << leftBlocks.join(' ').toStdString();

    const qint64 player = players.adoptDetached(folder.program());
    ASSERT_NE(player, 0);
    ASSERT_TRUE(runtime.waitForChannel());
    ASSERT_TRUE(ProcessesUnderTest::terminateDetached(player));
    EXPECT_EQ(readStored()->paths(), files);
}

TEST_F(AssocLauncher, WithoutFilesItStartsNothing) {
    qint64 elapsedMs = 0;
    QStringList leftBlocks;
    EXPECT_EQ(launch({QStringLiteral("--add")}, elapsedMs, leftBlocks), 2);
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(runtime.path() + QStringLiteral("/play27182831415.socket")));
}
