#pragma once

#include <QProcess>
#include <memory>
#include <vector>

// Processes a test starts, their error output passed on; those still running when the object goes are killed.
class ProcessesUnderTest {
  public:
    ~ProcessesUnderTest();
    // Null when the process does not start.
    QProcess* start(const QString& program, const QStringList& arguments,
                    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // The exit status of a process that ends by itself; -1 when it does not end in time or crashes.
    static int waitForExit(QProcess* process, int timeoutMs = 20000);
    // Sends SIGTERM and answers the exit status.
    static int terminate(QProcess* process);

    // A process of that program that another process started detached (it is no child of the test): its
    // id once one runs, 0 when none does within the time. Killed when this object goes, if still running.
    qint64 adoptDetached(const QString& program, int timeoutMs = 20000);
    // Sends SIGTERM to an adopted process; true when it has ended within the time.
    static bool terminateDetached(qint64 pid, int timeoutMs = 20000);

  private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
    std::vector<qint64> m_detached;
};
