// Who may change associations, and the write access the association tool grants itself on a key's file.
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "assoc/CheckUserFigure.h"
#include "assoc/KeyTreeStore.h"
#include "assoc/RegAccess.h"
#include "assoc/RegistryStores.h"
#include "assoc/SetRegItemACL.h"

namespace {
// The administrator answer of a child process that runs as `uid` with exactly these supplementary groups.
bool adminAnswerAs(uid_t uid, const std::vector<gid_t>& groups) {
    const pid_t child = fork();
    if (child == 0) {
        const bool switched = setgroups(groups.size(), groups.data()) == 0 && setresgid(uid, uid, uid) == 0 &&
                              setresuid(uid, uid, uid) == 0;
        _exit(!switched ? 2 : CheckUserFigure::boolUserBlongToAdminsGroup() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

int openDescriptors() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}
}  // namespace

TEST(AdministratorCheck, RootAndMembersOfAnAdministratorGroupOnly) {
    if (geteuid() != 0) GTEST_SKIP() << "switching users needs root";
    EXPECT_TRUE(CheckUserFigure::boolUserBlongToAdminsGroup());
    const uid_t nobody = 65534;
    EXPECT_FALSE(adminAnswerAs(nobody, {}));
    for (const char* name : {"sudo", "wheel", "admin"}) {
        const group* entry = getgrnam(name);
        if (entry != nullptr) {
            EXPECT_TRUE(adminAnswerAs(nobody, {entry->gr_gid})) << name;
        }
    }
    const group* users = getgrnam("users");
    if (users != nullptr) {
        EXPECT_FALSE(adminAnswerAs(nobody, {users->gr_gid}));
    }
}

TEST(AdministratorCheck, GroupsOfTheProcessUser) {
    QStringList groups;
    CheckUserFigure::GetUserGroups(QString(), CheckUserFigure::getCurrentUserName(), true, groups);
    EXPECT_FALSE(groups.first().isEmpty());
    CheckUserFigure::GetUserGroups(QString(), QStringLiteral("no-such-user-kestrune"), true, groups);
    EXPECT_EQ(groups, QStringList{QString()});
}

TEST(AccessGrant, TheKeysFileBecomesWritableAndNothingStaysOpen) {
    QTemporaryDir dir;
    auto store = std::make_shared<KeyTreeStore>(dir.filePath(QStringLiteral("keys.json")));
    ScopedRegistryStore scoped(store);
    QString error;
    long type = 0;
    const QString user = CheckUserFigure::getCurrentUserName();
    SetRegItemACL acl;
    EXPECT_FALSE(
        acl.pSetKeyAccess(kHkeyClassesRoot, QStringLiteral("\\.mp3\\"), user, kGenericAll));  // no key yet
    ASSERT_TRUE(RegAccess().boolRegWrite(QStringLiteral("HKCR\\.mp3\\"), QStringLiteral("vlc"), error, type));
    ASSERT_EQ(chmod(QFile::encodeName(store->filePath()).constData(), 0444), 0);

    const int before = openDescriptors();
    EXPECT_FALSE(acl.pSetKeyAccess(kHkeyClassesRoot, QStringLiteral("\\.mp3\\"),
                                   QStringLiteral("no-such-user-kestrune"), kGenericAll));
    EXPECT_TRUE(acl.pSetKeyAccess(kHkeyClassesRoot, QStringLiteral("\\.mp3\\"), user, kGenericAll));
    EXPECT_TRUE(
        acl.pSetKeyAccess(kHkeyClassesRoot, QStringLiteral("\\.mp3\\"), user, kGenericAll));  // already so
    EXPECT_EQ(openDescriptors(), before);
    struct stat facts {};
    ASSERT_EQ(stat(QFile::encodeName(store->filePath()).constData(), &facts), 0);
    EXPECT_EQ(facts.st_mode & 0777, 0644u);
}
