#include "ShrinkingBlock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray shmName(const QString& name) {
    return QByteArrayLiteral("/") + name.toUtf8();
}
}  // namespace

ShrinkingBlock::ShrinkingBlock(const QString& name, qint64 size) : m_name(name) {
    const int fd = ::shm_open(shmName(name).constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return;
    m_created = true;
    if (::ftruncate(fd, size) != 0) {
        ::close(fd);
        return;
    }
    const pid_t writer = ::fork();
    if (writer == 0) {
        // Only system calls from here on: the parent may have had threads.
        for (;;) {
            if (::ftruncate(fd, 0) != 0 || ::ftruncate(fd, size) != 0) ::_exit(1);
        }
    }
    ::close(fd);
    m_writer = writer;
}

ShrinkingBlock::~ShrinkingBlock() {
    if (m_writer > 0) {
        ::kill(m_writer, SIGKILL);
        ::waitpid(m_writer, nullptr, 0);
    }
    if (m_created) ::shm_unlink(shmName(m_name).constData());
}
