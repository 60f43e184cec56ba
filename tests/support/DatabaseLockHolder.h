#pragma once

#include <QProcess>
#include <QString>

// Another program holding a database file's lock: a sqlite3 shell inside "BEGIN <kind>" until release() or
// the end of the object. EXCLUSIVE keeps every other connection out, readers included; IMMEDIATE keeps out
// writers only.
class DatabaseLockHolder {
  public:
    DatabaseLockHolder(const QString& databasePath, const QString& kind = QStringLiteral("EXCLUSIVE"));
    ~DatabaseLockHolder();
    DatabaseLockHolder(const DatabaseLockHolder&) = delete;
    DatabaseLockHolder& operator=(const DatabaseLockHolder&) = delete;

    // True once the shell holds the lock.
    bool boolHeld() const { return m_held; }
    // Ends the transaction and the shell.
    void release();
    // The shell ends the transaction by itself after that long, whatever this process is doing meanwhile.
    void releaseAfter(int ms);

  private:
    QProcess m_shell;
    bool m_held = false;
};
