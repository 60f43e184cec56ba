#include "InstanceServer.h"

#include <unistd.h>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <algorithm>

#include "HandoverLog.h"
#include "InstanceChannel.h"
#include "InstanceRecord.h"

namespace {
const char* const kBusy = "handlingRecord";
// A sender that stalls in the middle of a record is dropped after this long.
constexpr int kIdleSenderMs = 10000;
}  // namespace

InstanceServer::InstanceServer(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)), m_listener([this](int fd) { takeSender(fd); }) {}

bool InstanceServer::boolListen(QString& strErrInfo) {
    const QString path = instancechannel::strServerPath();
    if (path.isEmpty()) {
        instancechannel::strRuntimeFolder(&strErrInfo);
        return false;
    }
    return m_listener.boolListen(path, strErrInfo);
}

void InstanceServer::takeSender(int descriptor) {
    if (static_cast<int>(m_senders.size()) >= kMaxSenders && !boolDropIdlestSender()) {
        qCInfo(lcHandover) << "a later start was turned away: every connection is being served";
        ::close(descriptor);
        return;
    }
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        ::close(descriptor);
        delete socket;
        return;
    }
    m_senders.push_back(socket);
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(kIdleSenderMs);
    connect(idle, &QTimer::timeout, socket, [socket] {
        qCInfo(lcHandover) << "a later start stalled in the middle of its record; dropped";
        socket->abort();
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle] {
        idle->start();
        m_senders.remove(socket);
        m_senders.push_back(socket);
        readRecords(socket);
    });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        m_senders.remove(socket);
        socket->deleteLater();
    });
    connect(socket, &QObject::destroyed, this, [this, socket] { m_senders.remove(socket); });
    idle->start();
}

bool InstanceServer::boolDropIdlestSender() {
    const auto idlest = std::find_if(m_senders.begin(), m_senders.end(),
                                     [](QLocalSocket* socket) { return !socket->property(kBusy).toBool(); });
    if (idlest == m_senders.end()) return false;
    QLocalSocket* socket = *idlest;
    m_senders.erase(idlest);
    // Logged at the 1st, 2nd, 4th, 8th... drop: a flood does not flood the log.
    ++m_lngDropped;
    if ((m_lngDropped & (m_lngDropped - 1)) == 0)
        qCInfo(lcHandover) << "too many later starts at once; idle ones dropped so far:" << m_lngDropped;
    socket->abort();
    socket->deleteLater();
    return true;
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
        alive->write(&instancerecord::kHandled, 1);
        alive->flush();
    }
    if (alive) alive->setProperty(kBusy, false);
}
