#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <vector>

class BusyWait;
struct sqlite3;
struct sqlite3_stmt;

// A client-side record set: the rows of one query read into memory, moved through, read and edited there by
// column name (ignoring case), and written back to the table they came from. It owns its own connection,
// which ends with Close() or the record set's end. Rows from a query over one table can be changed and
// appended; other queries give read-only rows. A statement that answers no rows (a delete, say) gives an
// empty record set, at both BOF and EOF.
class RecordSet {
  public:
    ~RecordSet();
    RecordSet(const RecordSet&) = delete;
    RecordSet& operator=(const RecordSet&) = delete;

    bool atEOF() const;
    bool atBOF() const;
    int RecordCount() const;
    // 1-based position of the current row among the visible rows; 0 at BOF or EOF.
    int AbsolutePosition() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();

    QStringList fieldNames() const { return m_columns; }
    bool hasField(const QString& name) const;
    // The column's index, or -1; the index forms below save the name look-up in long loops.
    int fieldIndex(const QString& name) const;
    QVariant field(int column) const;
    bool setField(int column, const QVariant& value);
    // The current row's value; a null QVariant for a NULL, an unknown column or no current row.
    QVariant field(const QString& name) const;
    // Changes the current row in memory; false when there is no current row or no such column.
    bool setField(const QString& name, const QVariant& value);

    // Appends an empty row and makes it current.
    void AddNew();
    // Writes the current row's changes to the table.
    bool Update(QString& strErrInfo);
    // Writes every pending change in one transaction: all of them or, on any error, none.
    bool UpdateBatch(QString& strErrInfo);

    // A statement on the record set's own connection, with its values bound as parameters.
    bool Execute(const QString& sql, QString& strErrInfo, const QVariantList& params = {});
    // A transaction on the record set's own connection spanning Execute and UpdateBatch calls.
    bool BeginTrans(QString& strErrInfo);
    bool CommitTrans(QString& strErrInfo);
    void RollbackTrans();

    void Close();
    bool isOpen() const { return m_db != nullptr; }

    // Paging over the visible rows: pages of PageSize rows, numbered from 1.
    int PageSize() const { return m_pageSize; }
    void setPageSize(int size);
    int PageCount() const;
    int AbsolutePage() const;
    void setAbsolutePage(int page);

    // Shows only the rows whose column holds the text (compared ignoring case); clearFilter shows all again.
    void setFilter(const QString& column, const QString& value);
    void clearFilter();

  private:
    friend class DataAccess;
    enum class RowState { Clean, Changed, Added };
    struct Row {
        qint64 rowid = 0;
        QVector<QVariant> values;
        QVector<bool> changed;
        RowState state = RowState::Clean;
    };

    RecordSet() = default;
    // Takes the open connection and reads the prepared statement's rows; false with the error text on
    // failure.
    bool load(sqlite3* db, sqlite3_stmt* statement, bool hasRowidColumn, QString& strErrInfo);
    Row* currentRow();
    const Row* currentRow() const;
    void showAllRows();
    bool writeRow(const Row& row, qint64& newRowid, QString& strErrInfo);
    sqlite3_stmt* cachedStatement(const QString& sql, QString& strErrInfo);
    bool exec(const char* sql, QString& strErrInfo);
    void rollBackBatch();
    void markWritten(Row& row, qint64 rowid);

    std::unique_ptr<BusyWait> m_busyWait;  // outlives m_db, which waits through it
    sqlite3* m_db = nullptr;
    QString m_table;  // the one table the rows come from; empty for read-only rows
    bool m_hasRowid = false;
    QStringList m_columns;
    QHash<QString, int> m_columnIndex;  // lower-cased name -> column
    std::vector<Row> m_rows;
    std::vector<int> m_visible;  // indices into m_rows, in order
    int m_position = 0;          // index into m_visible; -1 is BOF, m_visible.size() is EOF
    int m_pageSize = 10;
    QHash<QString, sqlite3_stmt*> m_statements;
};
