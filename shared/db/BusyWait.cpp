#include "BusyWait.h"

#include <sqlite3.h>

#include <QDeadlineTimer>
#include <QHash>
#include <QMutex>
#include <algorithm>
#include <array>

#include "DbLog.h"

namespace {
// Short steps first, so that a lock held for a moment costs about that moment.
constexpr std::array<int, 12> kStepsMs{1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};

// The files whose last wait ran out, and until when they are not waited for again.
QMutex quietMutex;
QHash<QString, QDeadlineTimer>& quietFiles() {
    static QHash<QString, QDeadlineTimer> files;
    return files;
}

bool isQuiet(const QString& path) {
    QMutexLocker locker(&quietMutex);
    const auto found = quietFiles().constFind(path);
    return found != quietFiles().cend() && !found->hasExpired();
}

void beQuiet(const QString& path) {
    QMutexLocker locker(&quietMutex);
    quietFiles().insert(path, QDeadlineTimer(BusyWait::kQuietMs));
}
}  // namespace

void BusyWait::install(sqlite3* db) {
    sqlite3_busy_handler(db, &BusyWait::onBusy, this);
}

int BusyWait::onBusy(void* self, int count) {
    return static_cast<BusyWait*>(self)->waitAMoment(count) ? 1 : 0;
}

bool BusyWait::waitAMoment(int count) {
    if (count == 0 && m_waitedMs == 0 && isQuiet(m_path)) return false;
    if (m_waitedMs >= kBudgetMs) {
        if (count == 0) return false;  // this connection's wait is spent; it was logged when it ran out
        qCWarning(lcDb) << "gave up waiting for another program's lock on" << m_path << "after" << m_waitedMs
                        << "ms";
        beQuiet(m_path);
        return false;
    }
    const int step = std::min(kStepsMs[static_cast<size_t>(std::min<int>(count, kStepsMs.size() - 1))],
                              kBudgetMs - m_waitedMs);
    m_waitedMs += sqlite3_sleep(step);
    return true;
}
