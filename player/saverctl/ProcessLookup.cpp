#include "ProcessLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace processlookup {
namespace {
struct ProcessStat {
    char state = '?';
    quint64 startTicks = 0;
};

// State and start time from /proc/<id>/stat; the command name in parentheses may hold blanks and ")", so
// the fields are counted from its last ")".
std::optional<ProcessStat> readStat(qint64 id) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray text = file.readAll();
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0) return std::nullopt;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    // After the name: state (field 3) ... starttime (field 22).
    if (fields.size() < 20 || fields.at(0).isEmpty()) return std::nullopt;
    bool ok = false;
    const quint64 start = fields.at(19).toULongLong(&ok);
    if (!ok) return std::nullopt;
    return ProcessStat{fields.at(0).at(0), start};
}
}  // namespace

qint64 lngFindProcess(QString& strPath, const QString& strName, std::int32_t& lngCount) {
    lngCount = 0;
    QDir proc(QStringLiteral("/proc"));
    if (!proc.exists()) return -2;
    if (strPath.isEmpty() && strName.isEmpty()) return -1;
    const QString wantedPath = strPath;
    qint64 found = 0;
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort)) {
        bool numeric = false;
        const qint64 id = entry.toLongLong(&numeric);
        if (!numeric) continue;
        // Unreadable for processes of other users, and empty for kernel threads.
        const QString executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(id)).symLinkTarget();
        if (executable.isEmpty()) continue;
        const bool match = wantedPath.isEmpty()
                               ? QFileInfo(executable).fileName().compare(strName, Qt::CaseInsensitive) == 0
                               : executable.compare(wantedPath, Qt::CaseInsensitive) == 0;
        if (!match) continue;
        ++lngCount;
        found = id;
        if (wantedPath.isEmpty()) strPath = executable;
    }
    return found;
}

std::int32_t intGetScrSavPrcState(const QString& strPath) {
    QString path = strPath;
    std::int32_t count = 0;
    const qint64 result = lngFindProcess(path, QString(), count);
    if (result > 0) return 0;
    if (result == 0) return 1;
    return result == -1 ? 2 : 3;
}

StartedProcess startedProcess(qint64 lngProcessId) {
    if (lngProcessId <= 0) return {};
    const std::optional<ProcessStat> stat = readStat(lngProcessId);
    if (!stat) return {};
    return {lngProcessId, stat->startTicks};
}

bool boolStillRunning(const StartedProcess& process) {
    if (process.lngProcessId <= 0) return false;
    const std::optional<ProcessStat> stat = readStat(process.lngProcessId);
    return stat && stat->startTicks == process.lngStartTicks && stat->state != 'Z' && stat->state != 'X';
}
}  // namespace processlookup
