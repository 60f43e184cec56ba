// A file-list block's bytes as its writer left them, read through the player's own reading function from
// real shared memory, at the block's size and at sizes that claim more or less than the block holds; and the
// same bytes as a start's own files, which must come back whole.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "handover/FileListCommand.h"
#include "handover/MF.h"

namespace {
QString blockName() {
    static const QString name = QStringLiteral("KestruneFuzzBlock_%1").arg(::getpid());
    return name;
}

bool writeBlock(const QByteArray& bytes) {
    const QByteArray path = "/" + blockName().toUtf8();
    ::shm_unlink(path.constData());
    const int fd = ::shm_open(path.constData(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    const bool written = ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
    ::close(fd);
    return written;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.isEmpty() || !writeBlock(bytes)) return 0;
    const auto blockSize = static_cast<qint32>(bytes.size());
    const QString text = strReadFileListBlock(blockName(), blockSize);
    if (text.size() != blockSize / 2) std::abort();
    if (strReadFileListBlock(blockName(), blockSize + 7) != text) std::abort();
    if (strReadFileListBlock(blockName(), blockSize / 2) != text.left(blockSize / 4)) std::abort();

    bool play = false;
    const QStringList list = commandFileList(strFileListCommand(false, blockName(), blockSize), play);
    if (list.isEmpty() || !list.first().isEmpty() || play) std::abort();
    if (list != fileListFromBlockText(text)) std::abort();
    ::shm_unlink(("/" + blockName().toUtf8()).constData());

    // The same bytes as the files of a start, one a line: its own block brings every path back whole.
    const QStringList files = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    const QString own = blockName() + QStringLiteral("_own");
    qint32 ownSize = 0;
    QString error;
    MF::boolRemoveBlock(own);
    if (boolWriteOwnFileListBlock(own, files, ownSize, error)) {
        const QStringList back = commandFileList(strFileListCommand(true, own, ownSize), play);
        MF::boolRemoveBlock(own);
        if (back != QStringList{QString()} + files || !play) std::abort();
    }
    return 0;
}
