#include "InstanceSender.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "InstanceRecord.h"
#include "basecore/FileSystemNames.h"

namespace {
// Retried when a signal cuts the call short.
template <typename Call>
ssize_t uninterrupted(Call call) {
    ssize_t result;
    do result = call();
    while (result < 0 && errno == EINTR);
    return result;
}
}  // namespace

InstanceSender::InstanceSender(std::u16string_view path, int timeoutMs) {
    const std::string name = basecore::bytesForFileSystem(path);
    sockaddr_un address{};
    if (name.empty() || name.size() >= sizeof(address.sun_path)) return;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.data(), name.size());
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd < 0) return;
    // A full queue makes a blocking connect wait, for at most the send time-out.
    const bool connected =
        boolSetTimeout(SO_SNDTIMEO, timeoutMs) &&
        uninterrupted([&] {
            return ::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
        }) == 0;
    if (!connected) {
        ::close(m_fd);
        m_fd = -1;
    }
}

InstanceSender::~InstanceSender() {
    if (m_fd >= 0) ::close(m_fd);
}

bool InstanceSender::boolSetTimeout(int option, int timeoutMs) {
    const timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    return ::setsockopt(m_fd, SOL_SOCKET, option, &limit, sizeof(limit)) == 0;
}

bool InstanceSender::boolSend(std::u16string_view text, int timeoutMs) {
    if (m_fd < 0 || !boolSetTimeout(SO_SNDTIMEO, timeoutMs) || !boolSetTimeout(SO_RCVTIMEO, timeoutMs))
        return false;
    const std::string record = instancerecord::recordBytes(text);
    for (std::size_t sent = 0; sent < record.size();) {
        const ssize_t n = uninterrupted(
            [&] { return ::send(m_fd, record.data() + sent, record.size() - sent, MSG_NOSIGNAL); });
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    char answer = 0;
    return uninterrupted([&] { return ::recv(m_fd, &answer, 1, 0); }) == 1 &&
           answer == instancerecord::kHandled;
}
