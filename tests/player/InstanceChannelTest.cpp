// The player's end of the hand-over channel under pressure, and the folder its files live in.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "base/CoreText.h"
#include "handover/InstanceChannel.h"
#include "handover/InstanceServer.h"
#include "support/ChannelClient.h"
#include "support/ExhaustedDescriptors.h"

using namespace instancechannel;

namespace {
class ChannelUnderPressure : public ::testing::Test {
  protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(server.boolListen(error)) << error.toStdString();
    }
    QStringList handled;
    InstanceServer server{[this](const QString& text) { handled << text; }};
};
}  // namespace

TEST_F(ChannelUnderPressure, IdleConnectionsBeyondAFewDozenAreDroppedAndTheNextStartIsServed) {
    std::vector<std::unique_ptr<ChannelClient>> idle;
    for (int i = 0; i < 300; ++i) {
        idle.push_back(std::make_unique<ChannelClient>(strServerPath()));
        ASSERT_TRUE(idle.back()->connected()) << i;
    }
    const auto open = [&] {
        return std::count_if(idle.begin(), idle.end(), [](auto& c) { return !c->closedByPlayer(); });
    };
    (void)QTest::qWaitFor([&] { return open() <= 64; }, 5000);
    EXPECT_LE(open(), 64);
    EXPECT_FALSE(idle.back()->closedByPlayer());  // the oldest go first
    EXPECT_TRUE(idle.front()->closedByPlayer());

    ChannelClient start(strServerPath());
    EXPECT_TRUE(start.send(QStringLiteral("-SMF")));
    EXPECT_EQ(handled, QStringList{QStringLiteral("-SMF")});
}

TEST_F(ChannelUnderPressure, OutOfDescriptorsTheChannelKeepsItsSocketAndServesTheStartsThatWaited) {
#ifdef KESTRUNE_SANITIZED
    // UBSan probes memory through a pipe; with no descriptor left it takes every logged message for a fault.
    GTEST_SKIP() << "the sanitizers' runtime needs descriptors of its own";
#endif
    ChannelClient waiting(strServerPath());
    ASSERT_TRUE(waiting.post(QStringLiteral("/m/a.webm")));
    {
        ExhaustedDescriptors none;
        ASSERT_GT(none.count(), 0);
        QTest::qWait(300);  // the channel cannot take the connection meanwhile
        EXPECT_TRUE(QFileInfo::exists(strServerPath()));
    }
    EXPECT_TRUE(waiting.waitForAnswer());
    ChannelClient later(strServerPath());
    EXPECT_TRUE(later.send(QStringLiteral("/m/b.webm")));
    EXPECT_EQ(handled, (QStringList{QStringLiteral("/m/a.webm"), QStringLiteral("/m/b.webm")}));
}

namespace {
// A start without a usable XDG_RUNTIME_DIR, in a temporary folder of the test's own.
class RuntimeFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        savedTmp = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    }
    void TearDown() override {
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        if (savedTmp.isNull()) {
            qunsetenv("TMPDIR");
        } else {
            qputenv("TMPDIR", savedTmp);
        }
    }
    QString own() const { return tmp.path() + QStringLiteral("/kestrune-%1").arg(::geteuid()); }
    QString folderIn(const char* name, QFile::Permissions permissions) const {
        const QString path = tmp.path() + QLatin1Char('/') + QLatin1String(name);
        QDir().mkpath(path);
        QFile::setPermissions(path, permissions);
        return path;
    }

    static constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QTemporaryDir tmp;
    QByteArray savedRuntime, savedTmp;
};
}  // namespace

TEST_F(RuntimeFolder, WithoutAPrivateRuntimeFolderTheUsersOwnIsMadeInTheTemporaryFolder) {
    EXPECT_EQ(strRuntimeFolder(), own());
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(own()).constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(strServerPath(), own() + QStringLiteral("/play27182831415.socket"));
    EXPECT_EQ(strLockFilePath(), own() + QStringLiteral("/play27182831415.lock"));

    const QString open = folderIn("open", kOwnerOnly | QFile::ReadGroup | QFile::ExeGroup);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(open));
    EXPECT_EQ(strRuntimeFolder(), own());  // others may look into it
    QFile::setPermissions(open, kOwnerOnly);
    EXPECT_EQ(strRuntimeFolder(), open);
}

TEST_F(RuntimeFolder, AFolderThereThatIsNotTheUsersOwn0700FolderIsRefusedAndThePlayerRunsAlone) {
    const QString target = folderIn("target", kOwnerOnly);
    const auto link = [&] { return QFile::link(target, own()); };
    const auto open = [&] {
        return QDir().mkdir(own()) &&
               QFile::setPermissions(own(), kOwnerOnly | QFile::ReadOther | QFile::ExeOther);
    };
    const auto othersOwn = [&] {
        // Only a privileged test can give a folder away.
        return QDir().mkdir(own()) && QFile::setPermissions(own(), kOwnerOnly) &&
               ::chown(QFile::encodeName(own()).constData(), 65534, 65534) == 0;
    };
    const auto file = [&] {
        QFile plain(own());
        return plain.open(QIODevice::WriteOnly);
    };
    for (const auto& [what, make] : std::vector<std::pair<const char*, std::function<bool()>>>{
             {"a link", link}, {"open to others", open}, {"another user's", othersOwn}, {"a file", file}}) {
        SCOPED_TRACE(what);
        if (!make()) {
            EXPECT_STREQ(what, "another user's");
            continue;
        }
        EXPECT_EQ(strRuntimeFolder(), QString());
        EXPECT_EQ(strServerPath(), QString());
        EXPECT_EQ(strLockFilePath(), QString());
        InstanceLock lock;
        EXPECT_TRUE(lock.boolAcquire());
        InstanceServer server([](const QString&) {});
        QString error;
        EXPECT_FALSE(server.boolListen(error));
        EXPECT_TRUE(error.contains(own())) << error.toStdString();
        EXPECT_TRUE(QDir(target).isEmpty());
        lock.release();
        QFile::remove(own());
        QDir().rmdir(own());
        ASSERT_FALSE(QFileInfo::exists(own()) || QFileInfo(own()).isSymLink());
    }
}

// One player holds the lock for its life; the system lets it go when the player dies, however it dies. A
// lock file that is a link is not followed: the player then runs alone and says why.
TEST_F(RuntimeFolder, TheInstanceLockIsHeldForThePlayersLifeAndNeverOutlivesIt) {
    InstanceLock player, later;
    ASSERT_TRUE(player.boolAcquire());
    EXPECT_TRUE(player.strNoChannel().empty());
    EXPECT_FALSE(later.boolAcquire());
    EXPECT_FALSE(later.boolAcquired());
    player.release();
    EXPECT_TRUE(later.boolAcquire());
    later.release();

    // A holder that dies without a word: util-linux's flock takes the same lock the player takes, on a
    // descriptor that the shell then hands to sleep.
    QProcess dying;
    dying.start(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("exec 9<>\"$1\" && flock 9 && echo locked && exec sleep 600"),
         QStringLiteral("sh"), strLockFilePath()});
    ASSERT_TRUE(dying.waitForStarted());
    QByteArray said;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (said += dying.readAllStandardOutput()).contains("locked"); }, 20000));
    EXPECT_FALSE(later.boolAcquire());
    dying.kill();
    ASSERT_TRUE(dying.waitForFinished());
    EXPECT_TRUE(later.boolAcquire());
    later.release();

    // A player that ends in order leaves no lock file, which an earlier player would take for a running
    // one's.
    EXPECT_FALSE(QFileInfo::exists(strLockFilePath()));
    ASSERT_TRUE(QFile::link(tmp.path() + QStringLiteral("/elsewhere"), strLockFilePath()));
    InstanceLock alone;
    EXPECT_TRUE(alone.boolAcquire());
    EXPECT_EQ(qtText(alone.strNoChannel()), QStringLiteral("cannot make the lock file in ") + own());
    EXPECT_FALSE(QFileInfo::exists(tmp.path() + QStringLiteral("/elsewhere")));
}
