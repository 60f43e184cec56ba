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

  private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};
