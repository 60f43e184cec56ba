#include "ProcessesUnderTest.h"

#include <csignal>

ProcessesUnderTest::~ProcessesUnderTest() {
    for (auto& process : m_processes) {
        process->kill();
        process->waitForFinished(5000);
    }
}

QProcess* ProcessesUnderTest::start(const QString& program, const QStringList& arguments,
                                    const QProcessEnvironment& environment) {
    QProcess* process = m_processes.emplace_back(std::make_unique<QProcess>()).get();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
    return process->waitForStarted(10000) ? process : nullptr;
}

int ProcessesUnderTest::waitForExit(QProcess* process, int timeoutMs) {
    if (!process || !process->waitForFinished(timeoutMs)) return -1;
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

int ProcessesUnderTest::terminate(QProcess* process) {
    if (!process) return -1;
    ::kill(static_cast<pid_t>(process->processId()), SIGTERM);
    return waitForExit(process);
}
