#include "DatabaseLockHolder.h"

#include <QElapsedTimer>

DatabaseLockHolder::DatabaseLockHolder(const QString& databasePath, const QString& kind) {
    m_shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), databasePath});
    if (!m_shell.waitForStarted(10000)) return;
    // Both kinds take their lock at BEGIN; the marker says the shell got past it.
    m_shell.write(QStringLiteral("BEGIN %1;\nSELECT 'held';\n").arg(kind).toUtf8());
    m_shell.waitForBytesWritten(5000);
    QElapsedTimer clock;
    clock.start();
    while (!m_held && clock.elapsed() < 10000 && m_shell.state() == QProcess::Running) {
        m_shell.waitForReadyRead(100);
        m_held = m_shell.readAllStandardOutput().contains("held");
    }
}

DatabaseLockHolder::~DatabaseLockHolder() {
    release();
}

void DatabaseLockHolder::releaseAfter(int ms) {
    m_shell.write(QStringLiteral(".shell sleep %1\nROLLBACK;\n").arg(ms / 1000.0).toUtf8());
    m_shell.waitForBytesWritten(5000);
}

void DatabaseLockHolder::release() {
    if (m_shell.state() == QProcess::NotRunning) return;
    m_shell.write("ROLLBACK;\n.quit\n");
    m_shell.closeWriteChannel();
    if (!m_shell.waitForFinished(10000)) {
        m_shell.kill();
        m_shell.waitForFinished(5000);
    }
    m_held = false;
}
