#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class BusyWait;
struct sqlite3;
struct sqlite3_stmt;

// A connection of its own to an existing database file, for work on many rows at once (a long play list),
// where a record set's copy of every row would cost more than the rows themselves: a statement is prepared
// once and run again for each row with new bound values, and read rows arrive one by one. Values travel as
// bound parameters only, texts as the bytes they stand for (SqliteValues.h). Like DataAccess, it never
// creates a file and waits a bounded time for a file another program holds locked (BusyWait).
class DbConnection {
  public:
    // One prepared statement; it ends with the connection at the latest.
    class Statement {
      public:
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

        // Parameters are numbered from 1.
        void bindText(int index, const QString& value);
        void bindInteger(int index, qint64 value);
        // Runs a statement that answers no rows, then makes it ready for the next values.
        bool run(QString& strErrInfo);
        // Steps to the next row of a query: true on a row; false at the end, or with an error text.
        bool next(QString& strErrInfo);
        // The current row's column as text: the empty string for NULL, numbers as their text.
        QString text(int column) const;
        // The current row's column as a loosely typed value (FieldValue.h reads it).
        QVariant value(int column) const;

      private:
        friend class DbConnection;
        Statement(sqlite3* db, sqlite3_stmt* statement) : m_db(db), m_statement(statement) {}
        sqlite3* m_db;
        sqlite3_stmt* m_statement;
        int m_bindError = 0;
    };

    DbConnection();
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    bool open(const QString& strDBPath, QString& strErrInfo);
    // One statement, or none with the error text.
    std::unique_ptr<Statement> prepare(const QString& sql, QString& strErrInfo);
    // A statement without values (BEGIN IMMEDIATE, COMMIT, a whole-table delete).
    bool exec(const char* sql, QString& strErrInfo);
    // Ends an open transaction, keeping what was there before it.
    void rollback();

  private:
    std::unique_ptr<BusyWait> m_busyWait;  // outlives m_db, which waits through it
    sqlite3* m_db = nullptr;
};
