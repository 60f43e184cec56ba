#include "RecordSet.h"

#include <sqlite3.h>

#include "BusyWait.h"
#include "DbLog.h"
#include "SqliteValues.h"

namespace {
QString quoted(const QString& identifier) {
    QString text = identifier;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Savepoints nest inside a transaction the caller may have begun with BeginTrans.
constexpr const char* kBatchBegin = "SAVEPOINT kestrune_batch";
constexpr const char* kBatchCommit = "RELEASE kestrune_batch";
constexpr const char* kBatchRollback = "ROLLBACK TO kestrune_batch; RELEASE kestrune_batch";
}  // namespace

RecordSet::~RecordSet() {
    Close();
}

bool RecordSet::load(sqlite3* db, sqlite3_stmt* statement, bool hasRowidColumn, QString& strErrInfo) {
    m_db = db;
    const int columnCount = sqlite3_column_count(statement);
    const int first = hasRowidColumn ? 1 : 0;

    // The rows are updatable when every column comes from one table of the main database.
    QString table;
    bool oneTable = columnCount > first;
    for (int c = first; c < columnCount && oneTable; ++c) {
        const char* name = sqlite3_column_table_name(statement, c);
        const char* database = sqlite3_column_database_name(statement, c);
        if (!name || !database || qstrcmp(database, "main") != 0) {
            oneTable = false;
        } else if (c == first) {
            table = QString::fromUtf8(name);
        } else if (table != QString::fromUtf8(name)) {
            oneTable = false;
        }
    }
    m_table = oneTable ? table : QString();
    m_hasRowid = oneTable && hasRowidColumn;

    for (int c = first; c < columnCount; ++c) {
        const QString name = QString::fromUtf8(sqlite3_column_name(statement, c));
        m_columns.append(name);
        m_columnIndex.insert(name.toLower(), c - first);
    }

    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        Row row;
        row.rowid = hasRowidColumn ? sqlite3_column_int64(statement, 0) : 0;
        row.values.reserve(columnCount - first);
        for (int c = first; c < columnCount; ++c) row.values.append(sqlitevalues::columnValue(statement, c));
        m_rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        strErrInfo = sqlitevalues::strLastError(db);
        return false;
    }
    showAllRows();
    return true;
}

void RecordSet::Close() {
    for (sqlite3_stmt* statement : std::as_const(m_statements)) sqlite3_finalize(statement);
    m_statements.clear();
    if (m_db) sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool RecordSet::atEOF() const {
    return m_visible.empty() || m_position >= static_cast<int>(m_visible.size());
}
bool RecordSet::atBOF() const {
    return m_visible.empty() || m_position < 0;
}
int RecordSet::RecordCount() const {
    return static_cast<int>(m_visible.size());
}
int RecordSet::AbsolutePosition() const {
    return atEOF() || atBOF() ? 0 : m_position + 1;
}

void RecordSet::MoveFirst() {
    m_position = 0;
}
void RecordSet::MoveLast() {
    m_position = m_visible.empty() ? 0 : static_cast<int>(m_visible.size()) - 1;
}
void RecordSet::MoveNext() {
    if (m_position < static_cast<int>(m_visible.size())) ++m_position;
}
void RecordSet::MovePrevious() {
    if (m_position >= 0) --m_position;
}

int RecordSet::fieldIndex(const QString& name) const {
    return m_columnIndex.value(name.toLower(), -1);
}
bool RecordSet::hasField(const QString& name) const {
    return fieldIndex(name) >= 0;
}

RecordSet::Row* RecordSet::currentRow() {
    return atEOF() || atBOF() ? nullptr
                              : &m_rows[static_cast<size_t>(m_visible[static_cast<size_t>(m_position)])];
}
const RecordSet::Row* RecordSet::currentRow() const {
    return const_cast<RecordSet*>(this)->currentRow();
}

QVariant RecordSet::field(const QString& name) const {
    return field(fieldIndex(name));
}

QVariant RecordSet::field(int column) const {
    const Row* row = currentRow();
    return row && column >= 0 && column < m_columns.size() ? row->values.at(column) : QVariant();
}

bool RecordSet::setField(const QString& name, const QVariant& value) {
    return setField(fieldIndex(name), value);
}

bool RecordSet::setField(int column, const QVariant& value) {
    Row* row = currentRow();
    if (!row || column < 0 || column >= m_columns.size()) return false;
    if (row->changed.isEmpty()) row->changed.fill(false, m_columns.size());
    row->values[column] = value;
    row->changed[column] = true;
    if (row->state == RowState::Clean) row->state = RowState::Changed;
    return true;
}

void RecordSet::AddNew() {
    Row row;
    row.values.resize(m_columns.size());
    row.changed.fill(false, m_columns.size());
    row.state = RowState::Added;
    m_rows.push_back(std::move(row));
    m_visible.push_back(static_cast<int>(m_rows.size()) - 1);
    m_position = static_cast<int>(m_visible.size()) - 1;
}

sqlite3_stmt* RecordSet::cachedStatement(const QString& sql, QString& strErrInfo) {
    if (sqlite3_stmt* statement = m_statements.value(sql)) {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return statement;
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), static_cast<int>(text.size()), &statement, nullptr) !=
        SQLITE_OK) {
        strErrInfo = sqlitevalues::strLastError(m_db);
        sqlite3_finalize(statement);
        return nullptr;
    }
    m_statements.insert(sql, statement);
    return statement;
}

bool RecordSet::writeRow(const Row& row, qint64& newRowid, QString& strErrInfo) {
    newRowid = row.rowid;
    if (row.state == RowState::Clean) return true;
    if (!m_db) {
        strErrInfo = QStringLiteral("the record set is closed");
        return false;
    }
    if (m_table.isEmpty() || (row.state == RowState::Changed && !m_hasRowid)) {
        strErrInfo = QStringLiteral("the record set cannot be updated");
        return false;
    }
    QStringList names;
    QVariantList values;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (!row.changed.value(c)) continue;
        names.append(quoted(m_columns.at(c)));
        values.append(row.values.at(c));
    }
    QString sql;
    if (row.state == RowState::Added) {
        sql = names.isEmpty()
                  ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table))
                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(quoted(m_table), names.join(QLatin1Char(',')),
                             QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    } else {
        if (names.isEmpty()) return true;
        sql = QStringLiteral("UPDATE %1 SET %2=? WHERE _rowid_=?")
                  .arg(quoted(m_table), names.join(QStringLiteral("=?,")));
        values.append(row.rowid);
    }
    sqlite3_stmt* statement = cachedStatement(sql, strErrInfo);
    if (!statement) return false;
    if (sqlitevalues::bindAll(statement, values) != SQLITE_OK || sqlite3_step(statement) != SQLITE_DONE) {
        strErrInfo = sqlitevalues::strLastError(m_db);
        sqlite3_reset(statement);
        return false;
    }
    sqlite3_reset(statement);
    if (row.state == RowState::Added) {
        newRowid = sqlite3_last_insert_rowid(m_db);
    } else if (sqlite3_changes(m_db) == 0) {
        strErrInfo = QStringLiteral("the row to update no longer exists");
        return false;
    }
    return true;
}

void RecordSet::markWritten(Row& row, qint64 rowid) {
    row.rowid = rowid;
    row.state = RowState::Clean;
    row.changed.fill(false);
}

bool RecordSet::Update(QString& strErrInfo) {
    strErrInfo.clear();
    Row* row = currentRow();
    if (!row) {
        strErrInfo = QStringLiteral("there is no current row");
        return false;
    }
    qint64 rowid = 0;
    if (!writeRow(*row, rowid, strErrInfo)) return false;
    markWritten(*row, rowid);
    return true;
}

bool RecordSet::exec(const char* sql, QString& strErrInfo) {
    if (!m_db) {
        strErrInfo = QStringLiteral("the record set is closed");
        return false;
    }
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        strErrInfo = sqlitevalues::strLastError(m_db);
        return false;
    }
    return true;
}

bool RecordSet::UpdateBatch(QString& strErrInfo) {
    strErrInfo.clear();
    std::vector<std::pair<size_t, qint64>> written;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].state != RowState::Clean) written.emplace_back(i, 0);
    }
    if (written.empty()) return true;
    if (!exec(kBatchBegin, strErrInfo)) return false;
    for (auto& [index, rowid] : written) {
        if (!writeRow(m_rows[index], rowid, strErrInfo)) {
            rollBackBatch();
            return false;
        }
    }
    if (!exec(kBatchCommit, strErrInfo)) {
        rollBackBatch();
        return false;
    }
    for (const auto& [index, rowid] : written) markWritten(m_rows[index], rowid);
    return true;
}

bool RecordSet::Execute(const QString& sql, QString& strErrInfo, const QVariantList& params) {
    strErrInfo.clear();
    if (!m_db) {
        strErrInfo = QStringLiteral("the record set is closed");
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    bool ok = sqlite3_prepare_v2(m_db, text.constData(), static_cast<int>(text.size()), &statement,
                                 nullptr) == SQLITE_OK &&
              statement && sqlitevalues::bindAll(statement, params) == SQLITE_OK;
    while (ok) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE) break;
        ok = rc == SQLITE_ROW;
    }
    if (!ok) strErrInfo = statement ? sqlitevalues::strLastError(m_db) : QStringLiteral("empty statement");
    sqlite3_finalize(statement);
    return ok;
}

bool RecordSet::BeginTrans(QString& strErrInfo) {
    return exec("BEGIN IMMEDIATE", strErrInfo);
}
bool RecordSet::CommitTrans(QString& strErrInfo) {
    return exec("COMMIT", strErrInfo);
}
void RecordSet::RollbackTrans() {
    QString error;
    if (m_db && !sqlite3_get_autocommit(m_db) && !exec("ROLLBACK", error))
        qCWarning(lcDb) << "transaction not rolled back:" << error;
}

void RecordSet::rollBackBatch() {
    QString error;
    if (!exec(kBatchRollback, error)) qCWarning(lcDb) << "batch not rolled back:" << error;
}

void RecordSet::setPageSize(int size) {
    if (size > 0) m_pageSize = size;
}

int RecordSet::PageCount() const {
    return (RecordCount() + m_pageSize - 1) / m_pageSize;
}

int RecordSet::AbsolutePage() const {
    const int position = AbsolutePosition();
    return position == 0 ? 0 : (position - 1) / m_pageSize + 1;
}

void RecordSet::setAbsolutePage(int page) {
    if (page < 1 || page > PageCount()) return;
    m_position = (page - 1) * m_pageSize;
}

void RecordSet::showAllRows() {
    m_visible.resize(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i) m_visible[i] = static_cast<int>(i);
    m_position = 0;
}

void RecordSet::setFilter(const QString& column, const QString& value) {
    const int c = fieldIndex(column);
    m_visible.clear();
    for (size_t i = 0; i < m_rows.size() && c >= 0; ++i) {
        const QVariant& cell = m_rows[i].values.at(c);
        if (!cell.isNull() && cell.toString().compare(value, Qt::CaseInsensitive) == 0) {
            m_visible.push_back(static_cast<int>(i));
        }
    }
    m_position = 0;
}

void RecordSet::clearFilter() {
    showAllRows();
}
