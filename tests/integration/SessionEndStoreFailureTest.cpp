// The built player ends on SIGTERM while another program holds its settings database: nobody is left to read
// a message, so the failure to store goes to the log only, and the player still ends in order and soon.
#include <QElapsedTimer>

#include "PlayerProgramFolder.h"
#include "support/DatabaseLockHolder.h"

namespace {
class SessionEndStoreFailure : public PlayerProgramFolder {
  protected:
    void SetUp() override {
        PlayerProgramFolder::SetUp();
        installProgram();
    }
};
}  // namespace

TEST_F(SessionEndStoreFailure, OnlyLogsAndEnds) {
    players.push_back(std::make_unique<QProcess>());
    QProcess* player = players.back().get();
    player->setProgram(program);
    player->setArguments({media("tone.wav")});
    player->start();
    ASSERT_TRUE(waitForChannel());
    DatabaseLockHolder lock(databasePath());
    ASSERT_TRUE(lock.boolHeld());

    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(terminate(player), 0);
    EXPECT_LT(clock.elapsed(), 8000);
    const QString log = QString::fromUtf8(player->readAllStandardError());
    EXPECT_TRUE(log.contains(QStringLiteral("settings not stored"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("play list not stored"))) << log.toStdString();
}
