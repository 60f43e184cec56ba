#include "ExhaustedDescriptors.h"

#include <fcntl.h>
#include <unistd.h>

ExhaustedDescriptors::ExhaustedDescriptors() {
    const int first = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (first < 0) return;
    m_taken.push_back(first);
    for (;;) {
        const int fd = ::fcntl(first, F_DUPFD_CLOEXEC, 0);
        if (fd < 0) break;
        m_taken.push_back(fd);
    }
}

void ExhaustedDescriptors::release() {
    for (const int fd : m_taken) ::close(fd);
    m_taken.clear();
}
