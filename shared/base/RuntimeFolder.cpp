#include "RuntimeFolder.h"

#include "CoreText.h"
#include "basecore/RuntimeFolder.h"

QString strPrivateRuntimeFolder(QString* strRejected) {
    std::u16string rejected;
    const std::u16string folder = basecore::strPrivateRuntimeFolder(&rejected);
    if (folder.empty() && strRejected) *strRejected = qtText(rejected);
    return qtText(folder);
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
