// A settings file that is empty or lacks the run configuration's or the play list's table gets what it lacks
// when the player starts, so that the session's list and settings are kept; the rows of the tables it has
// stay as they were.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "app/M1.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"
#include "support/TempDatabase.h"

namespace {
class IncompleteSettingsFile : public ::testing::Test {
  protected:
    // A session: start with a file, change the volume, exit in order.
    void runASession(int volume) {
        const QString file = db.folder() + QStringLiteral("/clip %1.webm").arg(volume);
        QFile(file).open(QIODevice::WriteOnly);
        M1 m1(db.folder());
        m1.Main(file);
        bool ended = false;
        m1.objControler()->setProcessEnder([&ended] { ended = true; });
        m1.objControler()->setVolume(static_cast<std::int16_t>(volume));
        m1.objControler()->exitSys();
        ASSERT_TRUE(QTest::qWaitFor([&ended] { return ended; }, 10000));
        sessionFiles << file;
    }

    int storedVolume() const {
        SysConfig config;
        config.setStrDBFilePath(db.path());
        return config.boolGetData() ? config.intVolumeValue() : -1;
    }

    int rows(const QString& table) const {
        return db.scalar(QStringLiteral("select count(*) from ") + table).toInt();
    }

    TempDatabase db;
    QStringList sessionFiles;
};
}  // namespace

TEST_F(IncompleteSettingsFile, AnEmptyFileGetsTheSchema) {
    QFile(db.path()).resize(0);
    runASession(41);
    EXPECT_EQ(db.storedPaths(), sessionFiles);
    EXPECT_EQ(storedVolume(), 41);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'table'")).toInt(),
              4);
}

TEST_F(IncompleteSettingsFile, AMissingTableIsAddedAndTheOthersKeepTheirRows) {
    db.exec(
        QStringLiteral("drop table play_list; insert into file_association (app_association) values "
                       "('.mp4'); insert into sys (volume_value, save_play_list, scr_sav_proc_name) "
                       "values (33, 1, ' ')"));
    const int associations = rows(QStringLiteral("file_association"));  // the shipped types and the new one
    runASession(42);
    EXPECT_EQ(db.storedPaths(), sessionFiles);
    EXPECT_EQ(rows(QStringLiteral("sys")), 1);
    EXPECT_EQ(rows(QStringLiteral("file_association")), associations);

    db.exec(QStringLiteral("drop table sys"));
    runASession(43);
    EXPECT_EQ(db.storedPaths(), sessionFiles);  // the lists of both sessions
    EXPECT_EQ(storedVolume(), 43);
    EXPECT_EQ(rows(QStringLiteral("file_association")), associations);
}
