// The association launcher with the built player: thirty files reach a running player, or the player it
// starts, in one block, whole and in order, and no block stays behind.
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

#include "support/BuildPaths.h"
#include "support/ProgramFolder.h"

namespace {
class AssocLauncher : public ProgramFolderTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.installProgram() && folder.installLauncher());
        ASSERT_TRUE(QDir().mkpath(media));
        // Names a separator-joined list or a shell would cut.
        for (int i = 1; i <= 30; ++i) {
            names << QStringLiteral("%1 第%2首 @@_F%D-F_@ \"$HOME\".wav")
                         .arg(i, 2, 10, QLatin1Char('0'))
                         .arg(i);
            paths << media + QLatin1Char('/') + names.back();
            QFile::copy(built::media("tone.wav"), paths.back());
        }
    }
    // Runs the launcher in the media folder until it ends; prints how long it ran.
    void launch(const QStringList& arguments, const char* what) {
        QProcess launcher;
        launcher.setProcessChannelMode(QProcess::ForwardedChannels);
        launcher.setWorkingDirectory(media);
        QElapsedTimer clock;
        clock.start();
        launcher.start(folder.launcher(), arguments);
        ASSERT_TRUE(launcher.waitForStarted(10000));
        const qint64 pid = launcher.processId();
        ASSERT_TRUE(launcher.waitForFinished(180000));
        std::printf("launcher start to %s: %lld ms\n", what, static_cast<long long>(clock.elapsed()));
        EXPECT_EQ(launcher.exitCode(), 0);
        const QString block = QStringLiteral("KestruneOpen_%1_*").arg(pid);
        EXPECT_EQ(QDir(QStringLiteral("/dev/shm")).entryList({block}, QDir::AllEntries | QDir::System),
                  QStringList());
    }

    const QString media = folder.root() + QStringLiteral("/媒体 files");
    QStringList names, paths;
};
}  // namespace

TEST_F(AssocLauncher, ThirtyRelativePathsReachTheRunningPlayerWholeAndInOrder) {
    QProcess* player = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    launch(names, "the 30th row, player running");
    ASSERT_EQ(terminate(player), 0);
    EXPECT_EQ(readStored()->paths(), paths);
}

TEST_F(AssocLauncher, WithNoPlayerTheStartItMakesBecomesThePlayerWithAllThirty) {
    launch(QStringList{QStringLiteral("--add")} + paths, "the 30th row, first start");
    const qint64 player = players.adoptDetached(folder.program());
    ASSERT_NE(player, 0);
    ASSERT_TRUE(runtime.waitForChannel());
    ASSERT_TRUE(ProcessesUnderTest::terminateDetached(player));
    EXPECT_EQ(readStored()->paths(), paths);
}

// A start that ends without reading the block (here a program that ends at once) leaves it to the launcher.
TEST_F(AssocLauncher, TheLauncherRemovesTheBlockOfAStartThatEndsWithoutReadingIt) {
    ASSERT_TRUE(QFile::remove(folder.program()) &&
                QFile::link(QStringLiteral("/bin/true"), folder.program()));
    launch(paths, "its end, the start ending at once");
}

// A launcher ended while it waits takes its block along.
TEST_F(AssocLauncher, ALauncherEndedWhileItWaitsLeavesNoBlock) {
    const QString sleeper = folder.root() + QStringLiteral("/sleeper");  // a start that hangs
    QFile hanging(folder.program());
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), sleeper) && hanging.remove() &&
                hanging.open(QIODevice::WriteOnly));
    hanging.write(("#!/bin/sh\nexec '" + sleeper.toUtf8() + "' 30\n"));
    hanging.close();
    ASSERT_TRUE(hanging.setPermissions(QFile::ExeOwner | QFile::ReadOwner));
    QProcess* launcher = players.start(folder.launcher(), paths);
    ASSERT_NE(players.adoptDetached(sleeper), 0);
    const QString block = QStringLiteral("KestruneOpen_%1_0").arg(launcher->processId());
    EXPECT_TRUE(QFile::exists(QStringLiteral("/dev/shm/") + block));
    EXPECT_EQ(ProcessesUnderTest::terminate(launcher), -1);  // ended by the signal
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/shm/") + block));
}

// From the application menu the desktop entry runs the launcher with no files: it starts the player with its
// stored list, and once that runs, a second such start only hands over and ends.
TEST_F(AssocLauncher, WithoutFilesTheLauncherStartsThePlayerWithItsStoredList) {
    folder.seed({paths.first()}, [](SysConfig&) {});
    launch({}, "the player started without files");
    const qint64 player = players.adoptDetached(folder.program());
    ASSERT_NE(player, 0);
    ASSERT_TRUE(runtime.waitForChannel());
    launch({}, "the running player's panel");
    ASSERT_TRUE(ProcessesUnderTest::terminateDetached(player));
    EXPECT_EQ(readStored()->paths(), QStringList{paths.first()});
}
