#include "MF.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <climits>

namespace {
QByteArray shmName(const QString& name) {
    return QByteArrayLiteral("/") + name.toUtf8();
}

bool sizeInRange(qint32 size) {
    return size >= 0 && size <= MF::kMaxBlockSize;
}
}  // namespace

MF::~MF() {
    if (m_lngViewAddress) UFV();
    if (m_lngMapHandle != kNoHandle) CFM();
}

bool MF::boolValidName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(u'\0'))) return false;
    // shm_open takes names shorter than NAME_MAX bytes, counting the terminating NUL.
    return name.toUtf8().size() + 1 < NAME_MAX;
}

bool MF::boolRemoveBlock(const QString& name) {
    return boolValidName(name) && ::shm_unlink(shmName(name).constData()) == 0;
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
    // The view covers what the block really holds, not what lngFS says it holds. The block belongs to its
    // writer, who keeps it at that size until the reader is done with it.
    struct stat info {};
    if (::fstat(m_lngMapHandle, &info) != 0 || info.st_size <= 0) return nullptr;
    const std::size_t size = static_cast<std::size_t>(std::min<off_t>(info.st_size, kMaxBlockSize));
    void* view = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, m_lngMapHandle, 0);
    if (view == MAP_FAILED) return nullptr;
    m_lngViewAddress = view;
    m_viewSize = size;
    return view;
}

QString MF::RF() const {
    if (!m_lngViewAddress || !sizeInRange(m_lngFS)) return {};
    const std::size_t units = std::min<std::size_t>(static_cast<std::size_t>(m_lngFS), m_viewSize) / 2;
    QString text(static_cast<qsizetype>(units), Qt::Uninitialized);
    qFromLittleEndian<quint16>(m_lngViewAddress, static_cast<qsizetype>(units), text.data());
    return text;
}

qint64 MF::WF(const QString& text) {
    if (!m_lngViewAddress) return 0;
    const std::size_t units = std::min<std::size_t>(static_cast<std::size_t>(text.size()), m_viewSize / 2);
    qToLittleEndian<quint16>(text.utf16(), static_cast<qsizetype>(units), m_lngViewAddress);
    return static_cast<qint64>(units * 2);
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
