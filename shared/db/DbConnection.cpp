#include "DbConnection.h"

#include <sqlite3.h>

#include <QFileInfo>

#include "BusyWait.h"
#include "DbLog.h"
#include "FieldValue.h"
#include "SqliteValues.h"
#include "base/FileSystemNames.h"
#include "base/ProgramPaths.h"

DbConnection::Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

void DbConnection::Statement::bindText(int index, const QString& value) {
    const QByteArray bytes = bytesForFileSystem(value);
    const int rc =
        sqlite3_bind_text64(m_statement, index, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK && m_bindError == SQLITE_OK) m_bindError = rc;
}

void DbConnection::Statement::bindInteger(int index, qint64 value) {
    const int rc = sqlite3_bind_int64(m_statement, index, value);
    if (rc != SQLITE_OK && m_bindError == SQLITE_OK) m_bindError = rc;
}

bool DbConnection::Statement::run(QString& strErrInfo) {
    const int rc = m_bindError != SQLITE_OK ? m_bindError : sqlite3_step(m_statement);
    const bool done = rc == SQLITE_DONE || rc == SQLITE_ROW;
    if (!done) strErrInfo = sqlitevalues::strLastError(m_db);
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_bindError = SQLITE_OK;
    return done;
}

bool DbConnection::Statement::next(QString& strErrInfo) {
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) strErrInfo = sqlitevalues::strLastError(m_db);
    return false;
}

QString DbConnection::Statement::text(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
            return strFromFileSystemBytes(
                QByteArray::fromRawData(text, sqlite3_column_bytes(m_statement, column)));
        }
        default:
            return strFieldText(value(column));
    }
}

QVariant DbConnection::Statement::value(int column) const {
    return sqlitevalues::columnValue(m_statement, column);
}

DbConnection::DbConnection() = default;

DbConnection::~DbConnection() {
    rollback();
    if (m_db) sqlite3_close_v2(m_db);
}

bool DbConnection::open(const QString& strDBPath, QString& strErrInfo) {
    const QString path = strResolvePathIgnoringCase(strDBPath);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        strErrInfo = QStringLiteral("unable to open database file: %1").arg(strDBPath);
        return false;
    }
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        strErrInfo = sqlitevalues::strLastError(m_db);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return false;
    }
    m_busyWait = std::make_unique<BusyWait>(path);
    m_busyWait->install(m_db);
    return true;
}

std::unique_ptr<DbConnection::Statement> DbConnection::prepare(const QString& sql, QString& strErrInfo) {
    if (!m_db) {
        strErrInfo = QStringLiteral("the database is not open");
        return nullptr;
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const int rc =
        sqlite3_prepare_v2(m_db, text.constData(), static_cast<int>(text.size()), &statement, nullptr);
    if (rc != SQLITE_OK || !statement) {
        strErrInfo = rc != SQLITE_OK ? sqlitevalues::strLastError(m_db) : QStringLiteral("empty statement");
        sqlite3_finalize(statement);
        return nullptr;
    }
    return std::unique_ptr<Statement>(new Statement(m_db, statement));
}

bool DbConnection::exec(const char* sql, QString& strErrInfo) {
    if (!m_db) {
        strErrInfo = QStringLiteral("the database is not open");
        return false;
    }
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    strErrInfo = sqlitevalues::strLastError(m_db);
    return false;
}

void DbConnection::rollback() {
    QString error;
    if (m_db && !sqlite3_get_autocommit(m_db) && !exec("ROLLBACK", error))
        qCWarning(lcDb) << "transaction not rolled back:" << error;
}
