#include "InstanceChannel.h"

#include <QDir>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include "HandoverLog.h"
#include "InstanceRecord.h"

namespace {
const char kHandled = 1;
const char* const kBusy = "handlingRecord";
// A sender that stalls in the middle of a record is dropped after this long.
constexpr int kIdleSenderMs = 10000;
}  // namespace

namespace instancechannel {

QString strRuntimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}

QString strLockFilePath() {
    return strRuntimeFolder() + QLatin1Char('/') + QLatin1String(kInstanceCaption) + QStringLiteral(".lock");
}

QString strServerPath() {
    return strRuntimeFolder() + QLatin1Char('/') + QLatin1String(kInstanceCaption) +
           QStringLiteral(".socket");
}

bool sendStringToInstance(QLocalSocket& socket, const QString& text) {
    if (socket.state() != QLocalSocket::ConnectedState) return false;
    socket.write(instancerecord::buildRecord(text));
    if (!socket.waitForBytesWritten(kSendTimeoutMs)) return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(kSendTimeoutMs)) return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == kHandled;
}

}  // namespace instancechannel

InstanceLock::InstanceLock() : m_lock(instancechannel::strLockFilePath()) {
    // A lock left by a player that died is taken over at once: only a live player holds it.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::boolAcquire() {
    return m_lock.tryLock(0);
}

InstanceServer::InstanceServer(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            auto* idle = new QTimer(socket);
            idle->setSingleShot(true);
            idle->setInterval(kIdleSenderMs);
            connect(idle, &QTimer::timeout, socket, [socket] {
                qCInfo(lcHandover) << "a later start stalled in the middle of its record; dropped";
                socket->abort();
            });
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle] {
                idle->start();
                readRecords(socket);
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            idle->start();
            readRecords(socket);
        }
    });
}

bool InstanceServer::boolListen(QString& strErrInfo) {
    // Only the holder of the instance lock listens, so a socket file found here is a dead player's.
    QLocalServer::removeServer(instancechannel::strServerPath());
    if (m_server.listen(instancechannel::strServerPath())) return true;
    strErrInfo = m_server.errorString();
    return false;
}

// A handler may open a dialog and so run a nested event loop; the records of one sender are still handled
// one after another, by the outermost call.
void InstanceServer::readRecords(QLocalSocket* socket) {
    if (socket->property(kBusy).toBool()) return;
    const QPointer<QLocalSocket> alive(socket);
    socket->setProperty(kBusy, true);
    while (alive && alive->bytesAvailable() >= instancerecord::kRecordBytes) {
        const QByteArray record = alive->read(instancerecord::kRecordBytes);
        if (const std::optional<QString> text = instancerecord::textOfRecord(record)) {
            m_handler(*text);
        } else {
            qCInfo(lcHandover) << "a record of an unknown kind was ignored";
        }
        if (!alive || alive->state() != QLocalSocket::ConnectedState) break;
        alive->write(&kHandled, 1);
        alive->flush();
    }
    if (alive) alive->setProperty(kBusy, false);
}
