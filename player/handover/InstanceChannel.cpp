#include "InstanceChannel.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "HandoverLog.h"
#include "InstanceRecord.h"
#include "OutgoingFileList.h"

namespace {
const char kHandled = 1;
constexpr int kConnectTimeoutMs = 5000;
const char* const kBusy = "handlingRecord";
// A sender that stalls in the middle of a record is dropped after this long.
constexpr int kIdleSenderMs = 10000;

// A folder (not a link) that this user owns and nobody else may enter.
bool boolPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 07777) == S_IRWXU;
}

QString strInFolder(const QString& folder, const char* suffix) {
    if (folder.isEmpty()) return {};
    return folder + QLatin1Char('/') + QLatin1String(instancechannel::kInstanceCaption) +
           QLatin1String(suffix);
}
}  // namespace

namespace instancechannel {

QString strRuntimeFolder(QString* strErrInfo) {
    const QString runtime = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime) && boolPrivateFolder(QFile::encodeName(runtime))) return runtime;

    const QString folder = QDir::tempPath() + QStringLiteral("/kestrune-%1").arg(::geteuid());
    const QByteArray path = QFile::encodeName(folder);
    // Made here: its mode is set whatever the umask left of it.
    if (::mkdir(path.constData(), S_IRWXU) == 0) ::chmod(path.constData(), S_IRWXU);
    if (boolPrivateFolder(path)) return folder;
    if (strErrInfo) {
        *strErrInfo = QStringLiteral(
                          "%1 is not a private folder of this user (it must be a folder, not a link, "
                          "owned by the user with mode 0700): later starts cannot hand their files "
                          "to this player")
                          .arg(folder);
    }
    return {};
}

QString strLockFilePath() {
    return strInFolder(strRuntimeFolder(), ".lock");
}

QString strServerPath() {
    return strInFolder(strRuntimeFolder(), ".socket");
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

void handOverToRunningPlayer(const QString& strCommandLine) {
    QLocalSocket socket;
    socket.connectToServer(strServerPath());
    if (!socket.waitForConnected(kConnectTimeoutMs)) return;
    sendStringToInstance(socket, QStringLiteral("-SMF"));
    if (strCommandLine.isEmpty()) return;
    if (strCommandLine.size() <= instancerecord::kMaxChars) {
        sendStringToInstance(socket, strCommandLine);
        return;
    }
    // Too long for one record: the path travels whole, whatever it holds, as a one-file list block of this
    // start's own, which the player reads while this start waits for its answer.
    OutgoingFileList block;
    QString command, error;
    if (block.boolWrite({strCommandLine}, command, error)) {
        sendStringToInstance(socket, command);
    } else {
        qCWarning(lcHandover) << "the command line could not be handed over:" << error;
    }
}

}  // namespace instancechannel

bool InstanceLock::boolAcquire() {
    m_strNoChannel.clear();
    const QString folder = instancechannel::strRuntimeFolder(&m_strNoChannel);
    if (!folder.isEmpty()) {
        m_lock = std::make_unique<QLockFile>(strInFolder(folder, ".lock"));
        // A lock left by a player that died is taken over at once: only a live player holds it.
        m_lock->setStaleLockTime(0);
        if (m_lock->tryLock(0)) return m_boolAcquired = true;
        if (m_lock->error() == QLockFile::LockFailedError) return false;
        m_strNoChannel = QStringLiteral("cannot make the lock file in %1").arg(folder);
        m_lock.reset();
    }
    // Told by the player once it is set up to end in order: a start that takes the lock has no window yet.
    return m_boolAcquired = true;
}

void InstanceLock::release() {
    if (m_lock) m_lock->unlock();
    m_boolAcquired = false;
}

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
        alive->write(&kHandled, 1);
        alive->flush();
    }
    if (alive) alive->setProperty(kBusy, false);
}
