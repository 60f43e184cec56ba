// The running player stays alive and reachable whatever other processes do to its channel, its folder and
// the file-list blocks it is handed; real processes on the private X server.
#include "PlayerProgramFolder.h"
#include "handover/FileListCommand.h"
#include "handover/MF.h"
#include "support/ShrinkingBlock.h"

namespace {
class HandOverUnderPressure : public PlayerProgramFolder {
  protected:
    void SetUp() override {
        PlayerProgramFolder::SetUp();
        installProgram();
    }
};
}  // namespace

TEST_F(HandOverUnderPressure, ABlockShrunkWhileThePlayerReadsItKillsNeitherThePlayerNorItsList) {
    QProcess* first = start({});
    ASSERT_TRUE(waitForChannel());
    const QString file = media("clip.webm");
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

TEST_F(HandOverUnderPressure, ALongPathHoldingTheListSeparatorArrivesWhole) {
    QString longFolder = dir.path() + QStringLiteral("/a@@_F%D-F_@b");
    for (int i = 0; longFolder.size() < 1100; ++i)
        longFolder += QStringLiteral("/folder %1 ").arg(i) + QString(70, u'长');
    ASSERT_TRUE(QDir().mkpath(longFolder));
    const QString file = longFolder + QStringLiteral("/clip@@_F%D-F_@.webm");
    ASSERT_TRUE(QFile::copy(media("clip.webm"), file));

    QProcess* first = start({});
    ASSERT_TRUE(waitForChannel());
    EXPECT_EQ(waitForExit(start({file})), 0);
    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{file});
}
