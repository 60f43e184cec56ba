#pragma once

#include <QString>

struct sqlite3;

// Waiting for another program that holds a database file's lock, on one connection. The connection waits
// kBudgetMs at most in all, however many of its statements meet the lock: an open that reads and then writes
// waits once, not once a statement. When a wait has run out on a file, connections to that file within the
// next kQuietMs try once without waiting, so that a run of accesses in a row (the start-up's check and two
// loads, the exit's two stores) waits once in all.
class BusyWait {
  public:
    static constexpr int kBudgetMs = 2000;
    static constexpr int kQuietMs = 5000;

    explicit BusyWait(const QString& path) : m_path(path) {}
    BusyWait(const BusyWait&) = delete;
    BusyWait& operator=(const BusyWait&) = delete;

    // Makes the connection wait through this object, which must outlive it.
    void install(sqlite3* db);

  private:
    static int onBusy(void* self, int count);
    bool waitAMoment(int count);

    QString m_path;
    int m_waitedMs = 0;
};
