#include "MF.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QtEndian>
#include <algorithm>
#include <cerrno>

#include "base/CoreText.h"
#include "startcore/FileListBlockWriter.h"

namespace {
QByteArray shmName(const QString& name) {
    return QByteArray::fromStdString(filelist::shmNameOf(coreText(name)));
}

bool sizeInRange(qint32 size) {
    return size >= 0 && size <= MF::kMaxBlockSize;
}

// What the block holds now, at most kMaxBlockSize bytes; 0 when that cannot be told.
qint64 realSize(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size <= 0) return 0;
    return std::min<qint64>(info.st_size, MF::kMaxBlockSize);
}
}  // namespace

MF::~MF() {
    if (m_lngViewAddress) UFV();
    if (m_lngMapHandle != kNoHandle) CFM();
}

bool MF::boolValidName(const QString& name) {
    return filelist::boolValidBlockName(coreText(name));
}

bool MF::boolRemoveBlock(const QString& name) {
    return filelist::boolRemoveBlock(coreText(name));
}

bool MF::boolBlockExists(const QString& name) {
    if (!boolValidName(name)) return false;
    const int fd = ::shm_open(shmName(name).constData(), O_RDONLY, 0);
    if (fd >= 0) ::close(fd);
    return fd >= 0 || errno != ENOENT;
}

int MF::OFM() {
    if (m_lngMapHandle != kNoHandle) return m_lngMapHandle;
    m_boolCreated = false;
    if (!boolValidName(m_strFMN)) return kNoHandle;
    const QByteArray name = shmName(m_strFMN);

    // Open the block if it exists, else create it: exclusive creation first tells the two apart.
    int fd = ::shm_open(name.constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST) fd = ::shm_open(name.constData(), O_RDWR, 0);
    if (fd < 0) return kNoHandle;

    const auto fail = [&] {
        if (created) ::shm_unlink(name.constData());
        ::close(fd);
        return kNoHandle;
    };
    // 0 is the failure answer; a descriptor that came out as 0 (standard input closed) moves up.
    if (fd == 0) {
        const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 1);
        if (moved < 0) return fail();
        ::close(fd);
        fd = moved;
    }
    if (created) {
        // A new block has lngFS zero bytes, as the page file gives; an empty or unbounded one is not made.
        // fchmod makes the mode 0600 whatever the process's umask left of it.
        if (m_lngFS <= 0 || m_lngFS > kMaxBlockSize) return fail();
        if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0 || ::ftruncate(fd, m_lngFS) != 0) return fail();
    }
    m_boolCreated = created;
    m_lngMapHandle = fd;
    return fd;
}

void* MF::MFV() {
    if (m_lngViewAddress) return m_lngViewAddress;
    if (m_lngMapHandle == kNoHandle) return nullptr;
    // The view covers what the block really holds, not what lngFS says it holds.
    const auto size = static_cast<std::size_t>(realSize(m_lngMapHandle));
    if (size == 0) return nullptr;
    void* view = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, m_lngMapHandle, 0);
    if (view == MAP_FAILED) return nullptr;
    m_lngViewAddress = view;
    m_viewSize = size;
    return view;
}

QString MF::RF() const {
    if (m_lngMapHandle == kNoHandle || !sizeInRange(m_lngFS)) return {};
    const qint64 size = std::min<qint64>(m_lngFS, realSize(m_lngMapHandle));
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const ssize_t n =
            ::pread(m_lngMapHandle, bytes.data() + got, static_cast<std::size_t>(size - got), got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the block ends here now
        got += n;
    }
    QString text(static_cast<qsizetype>(got / 2), Qt::Uninitialized);
    qFromLittleEndian<quint16>(bytes.constData(), text.size(), text.data());
    return text;
}

qint64 MF::WF(const QString& text) {
    if (m_lngMapHandle == kNoHandle) return 0;
    const qint64 units = std::min<qint64>(text.size(), realSize(m_lngMapHandle) / 2);
    QByteArray bytes(units * 2, Qt::Uninitialized);
    qToLittleEndian<quint16>(text.utf16(), units, bytes.data());
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::pwrite(m_lngMapHandle, bytes.constData() + written,
                                   static_cast<std::size_t>(bytes.size() - written), written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += n;
    }
    return written / 2 * 2;
}

bool MF::UFV() {
    if (!m_lngViewAddress) return false;
    const bool unmapped = ::munmap(m_lngViewAddress, m_viewSize) == 0;
    m_lngViewAddress = nullptr;
    m_viewSize = 0;
    return unmapped;
}

bool MF::CFM() {
    if (m_lngMapHandle == kNoHandle) return false;
    const bool closed = ::close(m_lngMapHandle) == 0;
    m_lngMapHandle = kNoHandle;
    return closed;
}
