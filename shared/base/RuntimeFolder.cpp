#include "RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>

namespace {
// A folder (not a link) that this user owns and nobody else may enter.
bool boolPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 07777) == S_IRWXU;
}
}  // namespace

QString strPrivateRuntimeFolder(QString* strRejected) {
    const QString runtime = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime) && boolPrivateFolder(QFile::encodeName(runtime))) return runtime;

    const QString folder = QDir::tempPath() + QStringLiteral("/kestrune-%1").arg(::geteuid());
    const QByteArray path = QFile::encodeName(folder);
    // Made here: its mode is set whatever the umask left of it.
    if (::mkdir(path.constData(), S_IRWXU) == 0) ::chmod(path.constData(), S_IRWXU);
    if (boolPrivateFolder(path)) return folder;
    if (strRejected) *strRejected = folder;
    return {};
}

bool UserInstanceLock::boolAcquire(const QString& strName) {
    const QString folder = strPrivateRuntimeFolder();
    if (folder.isEmpty()) return true;
    m_lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + strName + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) return true;
    if (m_lock->error() == QLockFile::LockFailedError) return false;
    m_lock.reset();
    return true;
}
