#include "SetRegItemACL.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "RegistryStores.h"

namespace {
// The open key: its file descriptor, closed on every way out.
class OpenKey {
  public:
    explicit OpenKey(const QString& file)
        : m_fd(::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenKey() {
        if (m_fd >= 0) ::close(m_fd);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    int fd() const { return m_fd; }

  private:
    int m_fd;
};

QString systemError(const char* call, int number) {
    return QStringLiteral("ErrorCode: %1API: %2System error: %3")
        .arg(number)
        .arg(QLatin1String(call), number == 0 ? QString() : QString::fromLocal8Bit(std::strerror(number)));
}
}  // namespace

bool SetRegItemACL::pSetKeyAccess(std::uint32_t erkRootKey, const QString& lsSubKey,
                                  const QString& lsUserName, std::uint32_t lekpMask) {
    Q_UNUSED(lekpMask);  // write access is the only one a file of the user's can lack
    m_strErrInfo.clear();
    if (erkRootKey != kHkeyClassesRoot) {
        m_strErrInfo = QStringLiteral("unknown root key %1").arg(erkRootKey, 0, 16);
        return false;
    }
    const passwd* account = ::getpwnam(lsUserName.toLocal8Bit().constData());
    if (account == nullptr) {
        m_strErrInfo = QStringLiteral("no such user: %1").arg(lsUserName);
        return false;
    }
    const uid_t userId = account->pw_uid;

    QString subKey = lsSubKey;
    while (subKey.startsWith(QLatin1Char('\\'))) subKey.remove(0, 1);
    if (!subKey.endsWith(QLatin1Char('\\'))) subKey += QLatin1Char('\\');
    RegistryPath path;
    if (!RegistryPath::parse(QLatin1String(kClassesRoot) + QLatin1Char('\\') + subKey, path, m_strErrInfo))
        return false;
    const QString file = registryStore()->keyFile(path);
    if (file.isEmpty()) {
        m_strErrInfo = QStringLiteral("no such key: %1").arg(lsSubKey);
        return false;
    }

    OpenKey key(file);
    struct stat facts {};
    if (key.fd() < 0 || ::fstat(key.fd(), &facts) != 0) {
        m_strErrInfo = systemError("open", errno);
        return false;
    }
    if (facts.st_uid != userId) {
        m_strErrInfo = QStringLiteral("%1 belongs to another user").arg(file);
        return false;
    }
    if ((facts.st_mode & S_IWUSR) != 0) return true;
    if (::fchmod(key.fd(), (facts.st_mode & 07777) | S_IWUSR) != 0) {
        m_strErrInfo = systemError("fchmod", errno);
        return false;
    }
    return true;
}
