#pragma once

#include <QString>
#include <cstdint>

// Looks processes of this user up through /proc.
namespace processlookup {
// The id of the last process whose executable has the full path strPath (ignoring case), or, with an empty
// path, whose executable's file name is strName (strPath then takes that process's path). lngCount is the
// number of matches. 0 when nothing matched, -1 when neither a path nor a name is given, -2 when the
// processes cannot be listed.
qint64 lngFindProcess(QString& strPath, const QString& strName, std::int32_t& lngCount);

// 0 when a process runs the program at strPath, 1 when none does, 2 when no path is given, 3 when the
// processes cannot be listed.
std::int32_t intGetScrSavPrcState(const QString& strPath);

// One process as it was started: its id and its start time, so that a later process given the same id is
// never taken for it.
struct StartedProcess {
    qint64 lngProcessId = 0;
    quint64 lngStartTicks = 0;
};

// The process of that id as it is now; an id of 0 or less, or one that no process has, answers id 0.
StartedProcess startedProcess(qint64 lngProcessId);
// Whether that very process still runs (a process that has ended but was not yet reaped does not).
bool boolStillRunning(const StartedProcess& process);
}  // namespace processlookup
