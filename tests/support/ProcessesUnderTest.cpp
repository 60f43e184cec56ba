#include "ProcessesUnderTest.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <csignal>

namespace {
// Running: there, and no zombie left for a parent that does not reap it.
bool boolRunning(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
}
}  // namespace

ProcessesUnderTest::~ProcessesUnderTest() {
    for (const qint64 pid : m_detached) {
        if (boolRunning(pid)) ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
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

qint64 ProcessesUnderTest::adoptDetached(const QString& program, int timeoutMs) {
    const QString wanted = QFileInfo(program).canonicalFilePath();
    qint64 found = 0;
    const auto find = [&] {
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            const qint64 pid = entry.toLongLong();
            if (pid &&
                QFileInfo(QStringLiteral("/proc/") + entry + QStringLiteral("/exe")).symLinkTarget() ==
                    wanted &&
                boolRunning(pid))
                found = pid;
        }
        return found != 0;
    };
    if (QTest::qWaitFor(find, timeoutMs)) m_detached.push_back(found);
    return found;
}

bool ProcessesUnderTest::terminateDetached(qint64 pid, int timeoutMs) {
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    return QTest::qWaitFor([pid] { return !boolRunning(pid); }, timeoutMs);
}
