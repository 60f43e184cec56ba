#include "CheckUserFigure.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace {
QString groupName(gid_t id) {
    const group* entry = ::getgrgid(id);
    return entry != nullptr ? QString::fromLocal8Bit(entry->gr_name) : QString();
}

// The supplementary groups of the process itself and its own group.
std::vector<gid_t> processGroups() {
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> ids(count > 0 ? static_cast<size_t>(count) : 0);
    if (count > 0 && ::getgroups(count, ids.data()) != count) ids.clear();
    ids.push_back(::getegid());
    return ids;
}

std::vector<gid_t> accountGroups(const QString& user) {
    const passwd* account = ::getpwnam(user.toLocal8Bit().constData());
    if (account == nullptr) return {};
    int count = 64;
    std::vector<gid_t> ids(static_cast<size_t>(count));
    const QByteArray name = user.toLocal8Bit();
    if (::getgrouplist(name.constData(), account->pw_gid, ids.data(), &count) < 0) {
        ids.resize(static_cast<size_t>(count));
        if (::getgrouplist(name.constData(), account->pw_gid, ids.data(), &count) < 0) return {};
    }
    ids.resize(static_cast<size_t>(count));
    return ids;
}
}  // namespace

QString CheckUserFigure::getCurrentUserName() {
    const passwd* account = ::getpwuid(::geteuid());
    if (account == nullptr) return {};
    return QString::fromLocal8Bit(account->pw_name).left(200);
}

void CheckUserFigure::GetUserGroups(const QString& server, const QString& user, bool local,
                                    QStringList& groups) {
    Q_UNUSED(server);
    Q_UNUSED(local);
    const std::vector<gid_t> ids = user == getCurrentUserName() ? processGroups() : accountGroups(user);
    groups.clear();
    for (const gid_t id : ids) {
        const QString name = groupName(id);
        if (!name.isEmpty() && !groups.contains(name)) groups << name;
    }
    if (groups.isEmpty()) groups << QString();
}

bool CheckUserFigure::boolUserBlongToAdminsGroup() {
    if (::geteuid() == 0) return true;
    QStringList groups;
    GetUserGroups(QString(), getCurrentUserName(), true, groups);
    if (groups.first().isEmpty()) return false;
    for (const QString& name : groups) {
        const QString upper = name.toUpper();
        if (upper == QLatin1String("ADMINISTRATORS") || upper == QLatin1String("SUDO") ||
            upper == QLatin1String("WHEEL") || upper == QLatin1String("ADMIN"))
            return true;
    }
    return false;
}
