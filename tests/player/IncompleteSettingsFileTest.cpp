// A settings file that is empty or lacks the run configuration's or the play list's table gets what it lacks
// when the player starts, so that the session's list and settings are kept; the rows of the tables it has
// stay as they were.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/M1.h"
#include "db/SettingsDatabase.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"

namespace {
class IncompleteSettingsFile : public ::testing::Test {
  protected:
    QString databasePath() const { return dir.path() + QStringLiteral("/SysConfig"); }

    void writeFile(const QByteArray& bytes) const {
        QFile file(databasePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    void exec(const char* sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(databasePath().toUtf8().constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    QString count(const char* table) const {
        sqlite3* db = nullptr;
        sqlite3_open(databasePath().toUtf8().constData(), &db);
        sqlite3_stmt* statement = nullptr;
        QString answer = QStringLiteral("no table");
        const QByteArray sql = QByteArray("select count(*) from ") + table;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            answer = QString::number(sqlite3_column_int(statement, 0));
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return answer;
    }

    // A session: start, add a file, change the volume, exit in order.
    void runASession(int volume) {
        const QString file = dir.path() + QStringLiteral("/clip %1.webm").arg(volume);
        QFile(file).open(QIODevice::WriteOnly);
        M1 m1(dir.path());
        m1.Main(file);
        bool ended = false;
        m1.objControler()->setProcessEnder([&ended] { ended = true; });
        m1.objControler()->setVolume(static_cast<std::int16_t>(volume));
        m1.objControler()->exitSys();
        ASSERT_TRUE(QTest::qWaitFor([&ended] { return ended; }, 10000));
        sessionFiles << file;
    }

    QStringList storedPaths() const {
        PlayList list;
        list.setStrPLDBFilePath(databasePath());
        QString error;
        EXPECT_TRUE(list.boolGetPlayListFromPLDB(error)) << error.toStdString();
        QStringList paths;
        for (long i = 1; i <= list.lngListCount(); ++i) paths << list.objGetAItem(i)->strFilePath;
        return paths;
    }

    int storedVolume() const {
        SysConfig config;
        config.setStrDBFilePath(databasePath());
        return config.boolGetData() ? config.intVolumeValue() : -1;
    }

    QTemporaryDir dir;
    QStringList sessionFiles;
};
}  // namespace

TEST_F(IncompleteSettingsFile, AnEmptyFileGetsTheSchema) {
    writeFile(QByteArray());
    runASession(41);
    EXPECT_EQ(storedPaths(), sessionFiles);
    EXPECT_EQ(storedVolume(), 41);
    for (const char* table : {"file_association_config", "file_association"}) EXPECT_EQ(count(table), "0");
}

TEST_F(IncompleteSettingsFile, AMissingTableIsAddedAndTheOthersKeepTheirRows) {
    QString error;
    ASSERT_TRUE(settingsdb::boolCreateIfMissing(dir.path(), error)) << error.toStdString();
    exec(
        "drop table play_list; insert into file_association (app_association) values ('.mp4');"
        "insert into sys (volume_value, save_play_list, scr_sav_proc_name) values (33, 1, ' ')");
    runASession(42);
    EXPECT_EQ(storedPaths(), sessionFiles);
    EXPECT_EQ(count("sys"), "1");
    EXPECT_EQ(count("file_association"), "1");

    exec("drop table sys");
    runASession(43);
    EXPECT_EQ(storedPaths(), sessionFiles);  // the lists of both sessions
    EXPECT_EQ(storedVolume(), 43);
    EXPECT_EQ(count("file_association"), "1");
}
