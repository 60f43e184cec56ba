#include "SettingsDatabase.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

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

namespace {
bool writeSchema(const QString& path, QString& strErrInfo) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK;
    char* message = nullptr;
    if (ok && sqlite3_exec(db, schemaSql(), nullptr, nullptr, &message) != SQLITE_OK) ok = false;
    if (!ok) strErrInfo = message ? QString::fromUtf8(message) : sqlitevalues::strLastError(db);
    sqlite3_free(message);
    if (sqlite3_close(db) != SQLITE_OK) ok = false;
    return ok;
}
}  // namespace

bool boolCreateIfMissing(const QString& programFolder, QString& strErrInfo) {
    strErrInfo.clear();
    const QString target = strPathInProgramFolder(programFolder);
    if (QFileInfo::exists(target)) return true;

    // Built under a temporary name and moved into place, so that a crash never leaves half a schema.
    QTemporaryFile temporary(programFolder + QStringLiteral("/.SysConfig.XXXXXX"));
    if (!temporary.open()) {
        strErrInfo = temporary.errorString();
        return false;
    }
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    temporary.close();
    if (!writeSchema(temporary.fileName(), strErrInfo)) return false;
    // A program started at the same moment may have created the file first: keep that one.
    if (!QFile::rename(temporary.fileName(), target) && !QFileInfo::exists(target)) {
        strErrInfo = QStringLiteral("cannot create %1").arg(target);
        return false;
    }
    return true;
}

}  // namespace settingsdb
