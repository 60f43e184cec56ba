#include "ChannelListener.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "HandoverLog.h"

namespace {
constexpr int kBacklog = 64;
// Accepting pauses this long when the process cannot take another descriptor.
constexpr int kResumeMs = 100;
// Connections taken in one turn of the event loop, so that a flood of them never holds it up.
constexpr int kAcceptsPerTurn = 32;

QString strErrno() {
    return QString::fromLocal8Bit(std::strerror(errno));
}
}  // namespace

ChannelListener::ChannelListener(Acceptor acceptor) : m_acceptor(std::move(acceptor)) {
    m_resume.setSingleShot(true);
    m_resume.setInterval(kResumeMs);
    QObject::connect(&m_resume, &QTimer::timeout, &m_resume, [this] {
        if (m_notifier) m_notifier->setEnabled(true);
    });
}

ChannelListener::~ChannelListener() {
    close();
}

bool ChannelListener::boolListen(const QString& path, QString& strErrInfo) {
    close();
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof(address.sun_path)) {
        strErrInfo = QStringLiteral("the socket path \"%1\" is too long").arg(path);
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        strErrInfo = QStringLiteral("cannot make a socket: %1").arg(strErrno());
        return false;
    }
    ::unlink(name.constData());
    // The folder is the user's alone; the socket is made the user's alone as well.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(name.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, kBacklog) != 0) {
        strErrInfo = QStringLiteral("cannot listen at \"%1\": %2").arg(path, strErrno());
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { acceptPending(); });
    return true;
}

void ChannelListener::acceptPending() {
    for (int i = 0; i < kAcceptsPerTurn; ++i) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            if (m_boolPaused) qCInfo(lcHandover) << "later starts are taken again";
            m_boolPaused = false;
            m_acceptor(fd);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return;
        // Out of descriptors or memory: the connection stays queued until there is room again.
        if (!m_boolPaused)
            qCWarning(lcHandover).noquote() << "cannot take a later start's connection now:" << strErrno();
        m_boolPaused = true;
        m_notifier->setEnabled(false);
        m_resume.start();
        return;
    }
}

void ChannelListener::close() {
    m_resume.stop();
    m_notifier.reset();
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
    m_fd = -1;
    m_path.clear();
    m_boolPaused = false;
}
