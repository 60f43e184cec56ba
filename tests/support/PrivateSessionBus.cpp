#include "PrivateSessionBus.h"

#include <gtest/gtest.h>

#include <QMutexLocker>

PrivateSessionBus::PrivateSessionBus() {
    // Its complaints about the limits a test process may not raise are of no interest.
    m_daemon.setStandardErrorFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                   QStringLiteral("--print-address")});
    // A hang guard only: the address is the daemon's first line.
    while (m_daemon.waitForReadyRead(30000)) {
        if (m_daemon.canReadLine()) {
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
            break;
        }
    }
    EXPECT_FALSE(m_address.isEmpty()) << "dbus-daemon did not start";
}

PrivateSessionBus::~PrivateSessionBus() {
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(30000)) m_daemon.kill();
}

QDBusConnection PrivateSessionBus::connect(const QString& name) const {
    return QDBusConnection::connectToBus(m_address, name);
}

StandInScreenSaver::StandInScreenSaver(const PrivateSessionBus& bus)
    : m_connection(bus.connect(QStringLiteral("stand-in screen saver"))) {
    m_thread.start();
    moveToThread(&m_thread);
    m_registered = m_connection.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), this,
                                               QDBusConnection::ExportAllSlots) &&
                   m_connection.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
}

StandInScreenSaver::~StandInScreenSaver() {
    m_connection.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    m_connection.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
    QDBusConnection::disconnectFromBus(m_connection.name());
    m_thread.quit();
    m_thread.wait();
}

QStringList StandInScreenSaver::calls() const {
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

uint StandInScreenSaver::Inhibit(const QString& application, const QString& /*reason*/) {
    QMutexLocker lock(&m_mutex);
    const uint cookie = m_nextCookie++;
    m_calls << QStringLiteral("Inhibit %1 %2").arg(application).arg(cookie);
    return cookie;
}

void StandInScreenSaver::UnInhibit(uint cookie) {
    QMutexLocker lock(&m_mutex);
    m_calls << QStringLiteral("UnInhibit %1").arg(cookie);
}
