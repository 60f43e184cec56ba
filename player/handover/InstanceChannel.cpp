#include "InstanceChannel.h"

#include "HandoverLog.h"
#include "InstanceRecord.h"
#include "InstanceSender.h"
#include "OutgoingFileList.h"
#include "base/RuntimeFolder.h"

namespace {
QString strInFolder(const QString& folder, const char* suffix) {
    if (folder.isEmpty()) return {};
    return folder + QLatin1Char('/') + QLatin1String(instancechannel::kInstanceCaption) +
           QLatin1String(suffix);
}
}  // namespace

namespace instancechannel {

QString strRuntimeFolder(QString* strErrInfo) {
    QString rejected;
    const QString folder = strPrivateRuntimeFolder(&rejected);
    if (folder.isEmpty() && strErrInfo) {
        *strErrInfo = QStringLiteral(
                          "%1 is not a private folder of this user (it must be a folder, not a link, "
                          "owned by the user with mode 0700): later starts cannot hand their files "
                          "to this player")
                          .arg(rejected);
    }
    return folder;
}

QString strLockFilePath() {
    return strInFolder(strRuntimeFolder(), ".lock");
}

QString strServerPath() {
    return strInFolder(strRuntimeFolder(), ".socket");
}

void handOverToRunningPlayer(const QString& strCommandLine) {
    InstanceSender sender(strServerPath(), kConnectTimeoutMs);
    if (!sender.boolConnected()) return;
    sender.boolSend(QStringLiteral("-SMF"), kSendTimeoutMs);
    if (strCommandLine.isEmpty()) return;
    if (strCommandLine.size() <= instancerecord::kMaxChars) {
        sender.boolSend(strCommandLine, kSendTimeoutMs);
        return;
    }
    // Too long for one record: the path travels whole, whatever it holds, as a one-file list block of this
    // start's own, which the player reads while this start waits for its answer.
    OutgoingFileList block;
    QString command, error;
    if (block.boolWrite({strCommandLine}, command, error)) {
        sender.boolSend(command, kSendTimeoutMs);
    } else {
        qCWarning(lcHandover) << "the command line could not be handed over:" << error;
    }
}

}  // namespace instancechannel

bool InstanceLock::boolAcquire() {
    m_strNoChannel.clear();
    const QString folder = instancechannel::strRuntimeFolder(&m_strNoChannel);
    if (!folder.isEmpty()) {
        m_lock = std::make_unique<QLockFile>(strInFolder(folder, ".lock"));
        // A lock left by a player that died is taken over at once: only a live player holds it.
        m_lock->setStaleLockTime(0);
        if (m_lock->tryLock(0)) return m_boolAcquired = true;
        if (m_lock->error() == QLockFile::LockFailedError) return false;
        m_strNoChannel = QStringLiteral("cannot make the lock file in %1").arg(folder);
        m_lock.reset();
    }
    // Told by the player once it is set up to end in order: a start that takes the lock has no window yet.
    return m_boolAcquired = true;
}

void InstanceLock::release() {
    if (m_lock) m_lock->unlock();
    m_boolAcquired = false;
}
