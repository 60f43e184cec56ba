#include "ProcessesUnderTest.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <csignal>

namespace {
bool boolRunning(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    return nameEnd < 0 || line.size() <= nameEnd + 2 || line.at(nameEnd + 2) != 'Z';
}

qint64 runningProcessOf(const QString& program) {
    const QString wanted = QFileInfo(program).canonicalFilePath();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (isPid && QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == wanted &&
            boolRunning(pid))
            return pid;
    }
    return 0;
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
    qint64 pid = 0;
    if (!QTest::qWaitFor([&] { return (pid = runningProcessOf(program)) != 0; }, timeoutMs)) return 0;
    if (pid) m_detached.push_back(pid);
    return pid;
}

bool ProcessesUnderTest::terminateDetached(qint64 pid, int timeoutMs) {
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    return QTest::qWaitFor([pid] { return !boolRunning(pid); }, timeoutMs);
}
