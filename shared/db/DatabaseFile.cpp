#include "DatabaseFile.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "SqliteValues.h"

namespace {
bool writeSchema(const QString& path, const char* schemaSql, QString& strErrInfo) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK;
    char* message = nullptr;
    if (ok && sqlite3_exec(db, schemaSql, nullptr, nullptr, &message) != SQLITE_OK) ok = false;
    if (!ok) strErrInfo = message ? QString::fromUtf8(message) : sqlitevalues::strLastError(db);
    sqlite3_free(message);
    if (sqlite3_close(db) != SQLITE_OK) ok = false;
    return ok;
}

bool copyTemplate(const QString& from, QFile& to, QString& strErrInfo) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        strErrInfo = QStringLiteral("cannot read %1: %2").arg(from, source.errorString());
        return false;
    }
    if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        strErrInfo = to.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray block = source.read(1 << 16);
        if (block.isEmpty() || to.write(block) != block.size()) {
            strErrInfo = QStringLiteral("cannot copy %1: %2").arg(from, to.errorString());
            return false;
        }
    }
    if (!to.flush()) {
        strErrInfo = to.errorString();
        return false;
    }
    to.close();
    return true;
}
}  // namespace

bool boolCreateDatabaseIfMissing(const QString& path, const char* schemaSql, QString& strErrInfo,
                                 const QString& strTemplatePath) {
    strErrInfo.clear();
    if (QFileInfo::exists(path)) return true;

    // Built under a temporary name and moved into place, so that a crash never leaves half a schema.
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        strErrInfo = temporary.errorString();
        return false;
    }
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    temporary.close();
    // A template this user cannot read still leaves them a database: the one the schema makes.
    const bool copied =
        QFileInfo(strTemplatePath).isFile() && copyTemplate(strTemplatePath, temporary, strErrInfo);
    if (!copied && !(QFile::resize(temporary.fileName(), 0) &&
                     writeSchema(temporary.fileName(), schemaSql, strErrInfo))) {
        return false;
    }
    // A program started at the same moment may have created the file first: keep that one.
    if (!QFile::rename(temporary.fileName(), path) && !QFileInfo::exists(path)) {
        strErrInfo = QStringLiteral("cannot create %1").arg(path);
        return false;
    }
    return true;
}
