#include "DataAccess.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QRegularExpression>

#include "BusyWait.h"
#include "SqliteValues.h"
#include "base/ProgramPaths.h"

namespace {

// A plain "select" also reads each row's id, so that changed rows can be written back to their table.
QString withRowidColumn(const QString& sql) {
    static const QRegularExpression plainSelect(QStringLiteral("^\\s*select\\s+(?!distinct\\b|all\\b)"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = plainSelect.match(sql);
    if (!match.hasMatch()) return {};
    return sql.left(match.capturedEnd()) + QStringLiteral("_rowid_ AS \"__kestrune_rowid__\", ") +
           sql.mid(match.capturedEnd());
}

bool onlyWhitespace(const char* text) {
    while (text && *text) {
        if (!QChar::isSpace(static_cast<unsigned char>(*text))) return false;
        ++text;
    }
    return true;
}

bool isLocked(int rc) {
    return (rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED;
}

sqlite3_stmt* prepareOne(sqlite3* db, const QString& sql, QString& strErrInfo, bool* locked = nullptr) {
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (const int rc =
            sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &statement, &tail);
        rc != SQLITE_OK) {
        strErrInfo = sqlitevalues::strLastError(db);
        if (locked) *locked = isLocked(rc);
        sqlite3_finalize(statement);
        return nullptr;
    }
    if (!statement || !onlyWhitespace(tail)) {
        strErrInfo =
            statement ? QStringLiteral("only one statement may be given") : QStringLiteral("empty statement");
        sqlite3_finalize(statement);
        return nullptr;
    }
    return statement;
}

}  // namespace

std::unique_ptr<RecordSet> DataAccess::objrsGetRecordSet(const QString& sql, const QString& strDBPath,
                                                         const QVariantList& params) {
    QString ignored;
    return objrsGetRecordSet1(sql, strDBPath, ignored, params);
}

std::unique_ptr<RecordSet> DataAccess::objrsGetRecordSet1(const QString& sql, const QString& strDBPath,
                                                          QString& strErrInfo, const QVariantList& params) {
    strErrInfo.clear();
    const QString path = strResolvePathIgnoringCase(strDBPath);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        strErrInfo = QStringLiteral("unable to open database file: %1").arg(strDBPath);
        return nullptr;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        strErrInfo = sqlitevalues::strLastError(db);
        sqlite3_close_v2(db);
        return nullptr;
    }
    auto busyWait = std::make_unique<BusyWait>(path);
    busyWait->install(db);

    const QString rowidSql = withRowidColumn(sql);
    bool hasRowid = !rowidSql.isEmpty();
    bool locked = false;
    sqlite3_stmt* statement = hasRowid ? prepareOne(db, rowidSql, strErrInfo, &locked) : nullptr;
    // The statement without the row ids is the answer to a query that cannot carry them; a file that is
    // locked is not asked again.
    if (!statement && !locked) {
        hasRowid = false;
        statement = prepareOne(db, sql, strErrInfo);
    }
    std::unique_ptr<RecordSet> recordSet;
    if (statement && sqlitevalues::bindAll(statement, params) != SQLITE_OK) {
        strErrInfo = sqlitevalues::strLastError(db);
    } else if (statement) {
        strErrInfo.clear();
        recordSet.reset(new RecordSet());
        recordSet->m_busyWait = std::move(busyWait);
        if (!recordSet->load(db, statement, hasRowid, strErrInfo)) recordSet.reset();  // closes db
        db = nullptr;
    }
    sqlite3_finalize(statement);
    if (db) sqlite3_close_v2(db);
    return recordSet;
}

void DataAccess::resetPaging() {
    m_lngPageCount = 0;
    m_lngPresentPageNum = 0;
    m_lngPresentPageRecordCount = 0;
}

bool DataAccess::DividePage(int lngPage, int lngPageSize, RecordSet* objrs) {
    resetPaging();
    if (!objrs || lngPage < 1 || lngPageSize < 1) return false;
    if (objrs->atBOF() || objrs->atEOF()) return true;
    objrs->setPageSize(lngPageSize);
    m_lngPageCount = objrs->PageCount();
    if (m_lngPageCount < lngPage) {
        objrs->setAbsolutePage(m_lngPageCount);
        m_lngPresentPageNum = m_lngPageCount;
        m_lngPresentPageRecordCount = objrs->RecordCount() - objrs->AbsolutePosition() + 1;
        return true;
    }
    objrs->setAbsolutePage(lngPage);
    m_lngPresentPageNum = lngPage;
    if (objrs->RecordCount() > objrs->PageSize() && objrs->AbsolutePage() != objrs->PageCount()) {
        m_lngPresentPageRecordCount = objrs->PageSize();
    } else {
        m_lngPresentPageRecordCount = objrs->RecordCount() - objrs->AbsolutePosition() + 1;
    }
    return true;
}
