// The built player ends on SIGTERM while another program holds its settings database: nobody is left to read
// a message, so the failure to store goes to the log only, and the player still ends in order and soon.
#include <QElapsedTimer>

#include "support/BuildPaths.h"
#include "support/DatabaseLockHolder.h"
#include "support/ProgramFolder.h"

namespace {
class SessionEndStoreFailure : public ProgramFolderTest {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.installProgram()); }
};
}  // namespace

TEST_F(SessionEndStoreFailure, OnlyLogsAndEnds) {
    QProcess player;
    player.start(folder.program(), {built::media("tone.wav")});
    ASSERT_TRUE(runtime.waitForChannel()) << player.readAllStandardError().toStdString();
    DatabaseLockHolder lock(folder.databasePath());
    ASSERT_TRUE(lock.boolHeld());

    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(terminate(&player), 0);
    EXPECT_LT(clock.elapsed(), 8000);
    const QString log = QString::fromUtf8(player.readAllStandardError());
    EXPECT_TRUE(log.contains(QStringLiteral("settings not stored"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("play list not stored"))) << log.toStdString();
}
