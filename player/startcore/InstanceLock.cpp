#include "InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
      m_path(std::move(other.m_path)),
      m_strNoChannel(std::move(other.m_strNoChannel)),
      m_boolAcquired(std::exchange(other.m_boolAcquired, false)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
        m_strNoChannel = std::move(other.m_strNoChannel);
        m_boolAcquired = std::exchange(other.m_boolAcquired, false);
    }
    return *this;
}

namespace {
// Whether the descriptor is still the file at path: a player that ends takes its lock file away.
bool boolStillInPlace(int fd, const std::string& path) {
    struct stat opened {
    }, named{};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}
}  // namespace

bool InstanceLock::boolAcquire() {
    m_strNoChannel.clear();
    const std::u16string folder = handover::strRuntimeFolder(&m_strNoChannel);
    if (!folder.empty()) {
        m_path = basecore::bytesForFileSystem(handover::strLockFilePathIn(folder));
        // A lock taken on a file that an ending player took away meanwhile is no lock: the file is opened
        // afresh until the lock is on the one in place.
        for (int attempt = 0; attempt < 8; ++attempt) {
            if (m_fd < 0) m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (m_fd < 0) break;
            int locked;
            do locked = ::flock(m_fd, LOCK_EX | LOCK_NB);
            while (locked != 0 && errno == EINTR);
            const bool held = locked == 0;
            const bool heldElsewhere = !held && errno == EWOULDBLOCK;
            if (held && boolStillInPlace(m_fd, m_path)) return m_boolAcquired = true;
            ::close(m_fd);
            m_fd = -1;
            if (heldElsewhere) return false;
            if (!held) break;
        }
        m_strNoChannel = u"cannot make the lock file in " + folder;
    }
    // Told by the player once it is set up to end in order: a start that takes the lock has no window yet.
    return m_boolAcquired = true;
}

// A player that ends in order takes its lock file away while it still holds it, as earlier players did: an
// earlier player, started after this one, would take an empty lock file for a running player's.
void InstanceLock::release() {
    if (m_fd >= 0) {
        if (m_boolAcquired) ::unlink(m_path.c_str());
        ::close(m_fd);
        m_fd = -1;
    }
    m_boolAcquired = false;
}
