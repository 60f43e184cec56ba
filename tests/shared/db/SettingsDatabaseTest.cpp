#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "db/SettingsDatabase.h"
#include "support/TempDatabase.h"

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
