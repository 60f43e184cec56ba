#include "SettingsDatabase.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QSet>
#include <vector>

#include "BusyWait.h"
#include "DatabaseFile.h"
#include "DbLog.h"
#include "SettingsSchema.h"
#include "SqliteValues.h"
#include "base/ProgramPaths.h"

namespace settingsdb {

const char* schemaSql() {
    return kSettingsSchemaSql;
}

QString strPathInProgramFolder(const QString& programFolder) {
    return strPathInFolderIgnoringCase(programFolder, kFileName);
}

bool boolCreateIfMissing(const QString& programFolder, QString& strErrInfo) {
    return boolCreateDatabaseIfMissing(strPathInProgramFolder(programFolder), schemaSql(), strErrInfo);
}

bool boolWritable(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

QString strSettingsPath(const QString& programFolder) {
    return strPathInProgramFolder(strUserWritableFolder(programFolder));
}

bool boolPrepareSettings(const QString& programFolder, QString& strPath, QString& strErrInfo) {
    const QString folder = strUserWritableFolder(programFolder);
    strPath = strPathInProgramFolder(folder);
    const QString shipped = folder == programFolder ? QString() : strPathInProgramFolder(programFolder);
    return boolCreateDatabaseIfMissing(strPath, schemaSql(), strErrInfo, shipped) &&
           boolAddMissingTables(strPath, strErrInfo);
}

namespace {
// A table or index of the built-in schema and the statement that makes it.
struct SchemaObject {
    QString table;
    QByteArray sql;
};

// The built-in schema's objects in the order it makes them, each table before its indexes, as a database
// in memory holds them.
std::vector<SchemaObject> builtInObjects() {
    std::vector<SchemaObject> objects;
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_open(":memory:", &db) == SQLITE_OK &&
        sqlite3_exec(db, schemaSql(), nullptr, nullptr, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "select tbl_name, sql from sqlite_master where sql is not null order by rowid",
                           -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            objects.push_back({sqlitevalues::columnValue(statement, 0).toString().toLower(),
                               sqlitevalues::columnValue(statement, 1).toString().toUtf8()});
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return objects;
}

// The names of the file's tables, lower-cased; false with the reason when the file cannot be read.
bool readTableNames(sqlite3* db, QSet<QString>& names, QString& strErrInfo) {
    names.clear();
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db, "select name from sqlite_master where type = 'table'", -1, &statement,
                                nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
            names.insert(sqlitevalues::columnValue(statement, 0).toString().toLower());
    }
    if (rc != SQLITE_DONE) strErrInfo = sqlitevalues::strLastError(db);
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE;
}

bool exec(sqlite3* db, const char* sql, QString& strErrInfo) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    strErrInfo = sqlitevalues::strLastError(db);
    return false;
}

bool lacksATable(const std::vector<SchemaObject>& objects, const QSet<QString>& tables) {
    for (const SchemaObject& object : objects) {
        if (!tables.contains(object.table)) return true;
    }
    return false;
}

// In one transaction, so that the file gets all that it lacks or nothing.
bool addTables(sqlite3* db, const std::vector<SchemaObject>& objects, QString& strErrInfo) {
    QSet<QString> tables;
    if (!exec(db, "BEGIN IMMEDIATE", strErrInfo)) return false;
    bool ok = readTableNames(db, tables, strErrInfo);  // again: another program may have added some
    QStringList added;
    for (const SchemaObject& object : objects) {
        if (!ok || tables.contains(object.table)) continue;
        ok = exec(db, object.sql.constData(), strErrInfo);
        if (!added.contains(object.table)) added << object.table;
    }
    ok = ok && exec(db, "COMMIT", strErrInfo);
    if (!ok) {
        QString ignored;
        exec(db, "ROLLBACK", ignored);
        return false;
    }
    if (!added.isEmpty()) qCInfo(lcDb) << "settings database: added the missing tables" << added;
    return true;
}
}  // namespace

bool boolAddMissingTables(const QString& path, QString& strErrInfo) {
    strErrInfo.clear();
    const std::vector<SchemaObject> objects = builtInObjects();
    BusyWait busyWait(path);
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (!ok) strErrInfo = sqlitevalues::strLastError(db);
    QSet<QString> tables;
    if (ok) {
        busyWait.install(db);
        ok = readTableNames(db, tables, strErrInfo);
    }
    if (ok && lacksATable(objects, tables)) ok = addTables(db, objects, strErrInfo);
    sqlite3_close(db);
    return ok;
}

}  // namespace settingsdb
