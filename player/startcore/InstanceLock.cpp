#include "InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "HandOver.h"
#include "basecore/FileSystemNames.h"

InstanceLock::~InstanceLock() {
    if (m_fd >= 0) ::close(m_fd);
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)),
      m_strNoChannel(std::move(other.m_strNoChannel)),
      m_boolAcquired(std::exchange(other.m_boolAcquired, false)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_strNoChannel = std::move(other.m_strNoChannel);
        m_boolAcquired = std::exchange(other.m_boolAcquired, false);
    }
    return *this;
}

bool InstanceLock::boolAcquire() {
    m_strNoChannel.clear();
    const std::u16string folder = handover::strRuntimeFolder(&m_strNoChannel);
    if (!folder.empty()) {
        if (m_fd < 0) {
            const std::string path = basecore::bytesForFileSystem(handover::strLockFilePathIn(folder));
            m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        }
        if (m_fd >= 0) {
            int locked;
            do locked = ::flock(m_fd, LOCK_EX | LOCK_NB);
            while (locked != 0 && errno == EINTR);
            if (locked == 0) return m_boolAcquired = true;
            if (errno == EWOULDBLOCK) return false;
            ::close(m_fd);
            m_fd = -1;
        }
        m_strNoChannel = u"cannot make the lock file in " + folder;
    }
    // Told by the player once it is set up to end in order: a start that takes the lock has no window yet.
    return m_boolAcquired = true;
}

void InstanceLock::release() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_boolAcquired = false;
}
