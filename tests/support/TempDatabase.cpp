#include "TempDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>

#include "db/SettingsDatabase.h"
#include "model/PlayList.h"

TempDatabase::TempDatabase() {
    QString error;
    EXPECT_TRUE(settingsdb::boolCreateIfMissing(m_dir.path(), error)) << error.toStdString();
    m_path = settingsdb::strPathInProgramFolder(m_dir.path());
}

void TempDatabase::exec(const QString& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(m_path.toUtf8().constData(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

QVariant TempDatabase::scalar(const QString& sql) const {
    sqlite3* db = nullptr;
    sqlite3_open(m_path.toUtf8().constData(), &db);
    sqlite3_stmt* statement = nullptr;
    QVariant value;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        switch (sqlite3_column_type(statement, 0)) {
            case SQLITE_INTEGER:
                value = static_cast<qint64>(sqlite3_column_int64(statement, 0));
                break;
            case SQLITE_NULL:
                break;
            default:
                value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

void TempDatabase::overwrite(const QByteArray& bytes) const {
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList TempDatabase::storedPaths() const {
    PlayList list;
    list.setStrPLDBFilePath(m_path);
    QString error;
    EXPECT_TRUE(list.boolGetPlayListFromPLDB(error)) << error.toStdString();
    QStringList paths;
    for (long i = 1; i <= list.lngListCount(); ++i) paths << list.objGetAItem(i)->strFilePath;
    return paths;
}
