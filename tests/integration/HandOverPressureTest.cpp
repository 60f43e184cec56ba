// The running player stays alive and reachable whatever other processes do to its channel, its folder and
// the file-list blocks it is handed; real processes on the private X server.
#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QTest>

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include <QCoreApplication>
#include <QTest>

#include "handover/FileListCommand.h"
#include "handover/InstanceChannel.h"
#include "handover/MF.h"
#include "support/BuildPaths.h"
#include "support/ChannelClient.h"
#include "support/ProgramFolder.h"
#include "support/ShrinkingBlock.h"

namespace {
class HandOverUnderPressure : public ProgramFolderTest {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.installProgram()); }
};
}  // namespace

TEST_F(HandOverUnderPressure, ABlockShrunkWhileThePlayerReadsItKillsNeitherThePlayerNorItsList) {
    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    const QString file = built::media("clip.webm");
    EXPECT_EQ(waitForExit(start({file})), 0);

    const QString name = QStringLiteral("KestruneShrinking_%1").arg(QCoreApplication::applicationPid());
    const ShrinkingBlock block(name, MF::kMaxBlockSize);
    ASSERT_TRUE(block.running());
    for (int i = 0; i < 4; ++i) {
        QTest::qWait(400);  // past the gate
        EXPECT_EQ(waitForExit(start({strFileListCommand(false, name, MF::kMaxBlockSize)})), 0);
    }
    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{file});
}

TEST_F(HandOverUnderPressure, ThousandsOfConnectionsLeaveTheChannelOpenForTheNextStart) {
    // The player gets the common limit of 1,024 descriptors; the flood comes from this process.
    rlimit own{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &own), 0);
    ASSERT_GE(own.rlim_max, 4096u);
    rlimit common = own;
    common.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &common), 0);
    QProcess* first = start({});
    rlimit raised = own;
    raised.rlim_cur = std::max<rlim_t>(own.rlim_cur, 4096);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &raised), 0);
    ASSERT_TRUE(runtime.waitForChannel());
    {
        std::vector<std::unique_ptr<ChannelClient>> flood;
        for (int i = 0; i < 1100; ++i)
            flood.push_back(std::make_unique<ChannelClient>(instancechannel::strServerPath()));
        QTest::qWait(500);
    }
    ::setrlimit(RLIMIT_NOFILE, &own);
    EXPECT_TRUE(QFile::exists(instancechannel::strServerPath()));

    const QString file = built::media("clip.webm");
    EXPECT_EQ(waitForExit(start({file})), 0);
    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{file});
}

TEST_F(HandOverUnderPressure, ALongPathHoldingTheListSeparatorArrivesWhole) {
    QString longFolder = folder.root() + QStringLiteral("/a@@_F%D-F_@b");
    for (int i = 0; longFolder.size() < 1100; ++i)
        longFolder += QStringLiteral("/folder %1 ").arg(i) + QString(70, u'长');
    ASSERT_TRUE(QDir().mkpath(longFolder));
    const QString file = longFolder + QStringLiteral("/clip@@_F%D-F_@.webm");
    ASSERT_TRUE(QFile::copy(built::media("clip.webm"), file));

    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    EXPECT_EQ(waitForExit(start({file})), 0);
    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{file});
}

// Someone else made the player's folder in the temporary folder first: the player keeps its paths to itself.
TEST_F(HandOverUnderPressure, AFolderThatIsNotTheUsersOwnLeavesThePlayerAloneAndItSaysWhy) {
    const QString tmp = folder.root() + QStringLiteral("/tmp"),
                  elsewhere = folder.root() + QStringLiteral("/else");
    ASSERT_TRUE(QDir().mkpath(tmp) && QDir().mkpath(elsewhere));
    const QString own = tmp + QStringLiteral("/kestrune-%1").arg(::geteuid());
    ASSERT_TRUE(QFile::link(elsewhere, own));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("TMPDIR"), tmp);
    QProcess process;
    QProcess* player = &process;
    player->setProcessEnvironment(environment);
    player->start(folder.program(), {});
    QByteArray errors;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            errors += player->readAllStandardError();
            return errors.contains(QFile::encodeName(own));
        },
        15000))
        << errors.toStdString();
    EXPECT_EQ(player->state(), QProcess::Running);
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(tmp + QStringLiteral("/play27182831415.lock")));
    EXPECT_EQ(terminate(player), 0);
}
