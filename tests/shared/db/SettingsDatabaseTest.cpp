#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/ProgramPaths.h"
#include "db/SettingsDatabase.h"
#include "support/EffectiveUser.h"
#include "support/TempDatabase.h"
#include "support/TempXdgHome.h"

TEST(SettingsDatabase, CreatesTheFourTablesForTheUserAlone) {
    TempDatabase db;
    EXPECT_TRUE(db.path().endsWith(QStringLiteral("/SysConfig")));
    for (const char* table : {"sys", "play_list", "file_association_config", "file_association"}) {
        EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from sqlite_master where name = '%1'")
                                .arg(QString::fromLatin1(table)))
                      .toInt(),
                  1)
            << table;
    }
    struct stat info {};
    ASSERT_EQ(stat(db.path().toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(QDir(db.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("SysConfig")});
}

TEST(SettingsDatabase, KeepsAnExistingFileWhateverItsCase) {
    QTemporaryDir dir;
    const QString lower = dir.path() + QStringLiteral("/sysconfig");
    QFile file(lower);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    QString error;
    EXPECT_TRUE(settingsdb::boolCreateIfMissing(dir.path(), error));
    EXPECT_EQ(settingsdb::strPathInProgramFolder(dir.path()), lower);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("sysconfig")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("kept"));
}

TEST(SettingsDatabase, ReportsAFolderThatCannotHoldIt) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(settingsdb::boolCreateIfMissing(dir.path() + QStringLiteral("/missing/folder"), error));
    EXPECT_FALSE(error.isEmpty());
}

namespace {
bool hasTable(const QString& path, const char* table) {
    sqlite3* db = nullptr;
    const bool opened =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    const bool found = opened && sqlite3_exec(db, QByteArray("select * from ").append(table).constData(),
                                              nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return found;
}

mode_t modeOf(const QString& path, uid_t* owner = nullptr) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    if (owner) *owner = info.st_uid;
    return info.st_mode & 0777;
}

// The settings file that a user of the program folder gets, in a data folder of the user's own; empty
// when it is not ready.
QString preparedAs(uid_t uid, const QString& program, const TempXdgHome& home) {
    ::chmod(QFile::encodeName(home.root()).constData(), 0755);
    if (!QDir().mkpath(home.dataHome()) ||
        ::chown(QFile::encodeName(home.dataHome()).constData(), uid, uid) != 0)
        return {};
    EffectiveUser user(uid);
    QString path, error;
    return user.switched() && settingsdb::boolPrepareSettings(program, path, error) ? path : QString();
}
}  // namespace

// A program folder that only root may write, as an installed program's: each user gets a settings file of
// their own in their data folder, starting as a copy of the one shipped beside the program (from the schema
// when they cannot read that); a user who may write the folder keeps the file there.
TEST(SettingsDatabase, AnInstalledProgramKeepsEachUsersFileInTheirOwnDataFolder) {
    if (geteuid() != 0) GTEST_SKIP() << "switching users needs root";
    QTemporaryDir dir;
    const QString program = dir.path() + QStringLiteral("/Kestrune");
    ASSERT_TRUE(QDir().mkdir(program));
    QString error;
    ASSERT_TRUE(settingsdb::boolCreateIfMissing(program, error));
    const QString shipped = settingsdb::strPathInProgramFolder(program);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(shipped).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "create table shipped (x)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    for (const QString& path : {dir.path(), program}) ::chmod(QFile::encodeName(path).constData(), 0755);
    ::chmod(QFile::encodeName(shipped).constData(), 0644);

    for (const uid_t uid : {65534u, 65533u}) {
        SCOPED_TRACE(uid);
        TempXdgHome home;
        const QString path = preparedAs(uid, program, home);
        EXPECT_EQ(path, home.dataHome() + QStringLiteral("/kestrune/SysConfig"));
        uid_t owner = 0;
        EXPECT_EQ(modeOf(path, &owner), 0600u);
        EXPECT_EQ(owner, uid);
        EXPECT_EQ(modeOf(home.dataHome() + QStringLiteral("/kestrune")), 0700u);
        EXPECT_TRUE(hasTable(path, "shipped"));
        EffectiveUser user(uid);
        EXPECT_TRUE(settingsdb::boolWritable(path));
        EXPECT_EQ(strUserWritableFolder(program + QStringLiteral("/SSP"), QStringLiteral("SSP")),
                  home.dataHome() + QStringLiteral("/kestrune/SSP"));
    }
    ::chmod(QFile::encodeName(shipped).constData(), 0600);
    {
        TempXdgHome home;
        const QString path = preparedAs(65534, program, home);
        EXPECT_TRUE(hasTable(path, "play_list"));
        EXPECT_FALSE(hasTable(path, "shipped"));
    }
    QString path;
    ASSERT_TRUE(settingsdb::boolPrepareSettings(program, path, error));
    EXPECT_EQ(path, shipped);
}
