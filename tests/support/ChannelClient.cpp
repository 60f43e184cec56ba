#include "ChannelClient.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "handover/InstanceRecord.h"

ChannelClient::ChannelClient(const QString& path, int timeoutMs) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
    const auto tryConnect = [&] {
        return ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    };
    if (tryConnect() || (errno == EAGAIN && QTest::qWaitFor([&] { return tryConnect(); }, timeoutMs))) {
        m_fd = fd;
    } else {
        ::close(fd);
    }
}

ChannelClient::~ChannelClient() {
    if (m_fd >= 0) ::close(m_fd);
}

bool ChannelClient::post(const QString& text) {
    if (m_fd < 0) return false;
    const QByteArray record = instancerecord::buildRecord(text);
    return ::send(m_fd, record.constData(), record.size(), MSG_NOSIGNAL) == record.size();
}

bool ChannelClient::waitForAnswer(int timeoutMs) {
    if (m_fd < 0) return false;
    char answer = 0;
    return QTest::qWaitFor([&] { return ::recv(m_fd, &answer, 1, MSG_DONTWAIT) == 1; }, timeoutMs) &&
           answer == instancerecord::kHandled;
}

bool ChannelClient::send(const QString& text, int timeoutMs) {
    return post(text) && waitForAnswer(timeoutMs);
}

bool ChannelClient::closedByPlayer() {
    if (m_fd < 0) return true;
    char byte = 0;
    const ssize_t got = ::recv(m_fd, &byte, 1, MSG_DONTWAIT | MSG_PEEK);
    return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}
