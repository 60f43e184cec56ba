// Later starts of the built player hand their command lines to the running one, through the user's private
// channel; real processes on the private X server.
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <utility>

#include "base/CoreText.h"
#include "handover/InstanceChannel.h"
#include "start/StartRequest.h"
#include "startcore/InstanceSender.h"
#include "support/BuildPaths.h"
#include "support/ProgramFolder.h"
#include "support/XTools.h"

namespace {
class HandOver : public ProgramFolderTest {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.installProgram()); }

    QString copyOfMedia(int n) const {
        const QString path = folder.root() + QStringLiteral("/file %1.wav").arg(n);
        QFile::copy(built::media("tone.wav"), path);
        return path;
    }
};
}  // namespace

TEST_F(HandOver, ASecondStartHandsItsFileOverAndEndsWithoutAWindow) {
    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    const QString file = built::media("clip.webm");
    EXPECT_EQ(waitForExit(start({file})), 0);
    EXPECT_EQ(waitForExit(start({})), 0);  // without arguments: only the panel comes up
    EXPECT_EQ(xtools::visibleWindows(QStringLiteral("控制面板--Kestrune Vandrel")).size(), 1);

    ASSERT_EQ(terminate(first), 0);
    const auto stored = readStored();
    EXPECT_EQ(stored->paths(), QStringList{file});
    EXPECT_EQ(stored->playItem(), file);
}

// A start that only hands over never reaches for a display: with an X server that does not exist and no
// platform named, it still hands its file over (Qt's own options taken out, as QApplication would) and ends
// normally.
TEST_F(HandOver, ASecondStartNeedsNoDisplay) {
    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4093"));
    noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QString file = built::media("tone.wav");
    const QStringList arguments{QStringLiteral("-platform"), QStringLiteral("xcb"), file};
    EXPECT_EQ(waitForExit(players.start(folder.program(), arguments, noDisplay)), 0);
    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{file});
}

// A start that hands over loads nothing of the player: from a program folder without the player library it
// still hands its file to the running player, and only a start that would become the player needs it. The
// program itself links no toolkit.
TEST_F(HandOver, OnlyAStartThatBecomesThePlayerLoadsThePlayerLibrary) {
    QProcess libraries;
    libraries.start(QStringLiteral("ldd"), {folder.program()});
    ASSERT_TRUE(libraries.waitForFinished());
    const QByteArray linked = libraries.readAllStandardOutput();
    EXPECT_TRUE(linked.contains("libc.so")) << linked.constData();
    EXPECT_FALSE(linked.contains("libQt")) << linked.constData();

    ProgramFolder withoutPlayer;
    ASSERT_TRUE(withoutPlayer.installProgram());
    ASSERT_TRUE(QFile::remove(withoutPlayer.path() + QStringLiteral("/libbrandock_player.so")));
    const QString file = built::media("tone.wav");
    EXPECT_EQ(waitForExit(players.start(withoutPlayer.program(), {file})), 1);

    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    EXPECT_EQ(waitForExit(players.start(withoutPlayer.program(), {file})), 0);
    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{file});
}

// --help and --version answer on the terminal, in UTF-8, with no player running and no display, and leave
// no channel behind.
TEST_F(HandOver, HelpAndVersionAnswerOnTheTerminalWithoutAPlayerOrADisplay) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4093"));
    noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const auto& [argument, text] :
         {std::pair{"--version", strVersionText()}, std::pair{"-h", strUsageText()},
          std::pair{"--help", strUsageText()}}) {
        QProcess start;
        start.setProcessEnvironment(noDisplay);
        start.start(folder.program(), {QLatin1String(argument)});
        ASSERT_TRUE(start.waitForFinished(20000)) << argument;
        EXPECT_EQ(start.exitCode(), 0) << argument;
        EXPECT_EQ(start.readAllStandardOutput(), text.toUtf8()) << argument;
    }
    EXPECT_TRUE(strVersionText().startsWith(QStringLiteral("brandock (Kestrune Vandrel) ")));
    EXPECT_FALSE(QFileInfo::exists(instancechannel::strServerPath()));
}

TEST_F(HandOver, OneCommandLineEvery300MsWhileThePanelIsAlwaysShown) {
    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    InstanceSender channel(coreText(instancechannel::strServerPath()), instancechannel::kConnectTimeoutMs);
    ASSERT_TRUE(channel.boolConnected());
    const QString a = copyOfMedia(1), b = copyOfMedia(2), c = copyOfMedia(3);
    const auto send = [&channel](const QString& text) {
        return channel.boolSend(coreText(text), instancechannel::kSendTimeoutMs);
    };
    EXPECT_TRUE(send(a));
    EXPECT_TRUE(send(b));  // within 300 ms: dropped
    EXPECT_TRUE(send(QStringLiteral("-SMF")));
    QTest::qWait(400);
    EXPECT_TRUE(send(c));

    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), (QStringList{a, c}));
}

TEST_F(HandOver, TheChannelIsTheUsersAlone) {
    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    const QFileInfo socket(instancechannel::strServerPath());
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(socket.permissions() & others, QFile::Permissions());
    EXPECT_EQ(socket.ownerId(), ::getuid());
    ASSERT_EQ(terminate(first), 0);
}

TEST_F(HandOver, TwentyStartsAtOnceLeaveOnePlayer) {
    std::vector<QProcess*> starts;
    for (int i = 0; i < 20; ++i) starts.push_back(start({copyOfMedia(i)}));
    const auto running = [&] {
        return std::count_if(starts.begin(), starts.end(),
                             [](QProcess* p) { return p && p->state() != QProcess::NotRunning; });
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return running() <= 1; }, 90000)) << running() << " still running";
    QTest::qWait(1000);
    ASSERT_EQ(running(), 1);
    for (QProcess* p : starts) {
        ASSERT_NE(p, nullptr);
        if (p->state() == QProcess::NotRunning) {
            EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(p->exitCode(), 0);
        } else {
            EXPECT_EQ(terminate(p), 0);
        }
    }
    EXPECT_GE(readStored()->list.lngListCount(), 1);
}

// The file manager's play and add commands arrive as blocks that the test writer fills; the second start
// hands the command over while the writer keeps the block alive. The play command comes first: one that
// arrives while an earlier play is still starting only adds, however long that start takes.
TEST_F(HandOver, FileListBlocksFromTheWriterAreAddedAndTheFirstOfAPlayCommandPlays) {
    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    const QString a = copyOfMedia(1), b = copyOfMedia(2), c = copyOfMedia(3);
    const auto write = [&](const char* mode, const QStringList& files) {
        return QProcess::execute(
            built::writeFileList(),
            QStringList{QLatin1String(mode), QStringLiteral("--player"), folder.program()} + files);
    };
    EXPECT_EQ(write("--play", {c}), 0);
    QTest::qWait(400);  // past the gate
    EXPECT_EQ(write("--add", {a, b}), 0);
    ASSERT_EQ(terminate(first), 0);
    const auto stored = readStored();
    EXPECT_EQ(stored->paths(), (QStringList{c, a, b}));
    EXPECT_EQ(stored->playItem(), c);
}

// A command line longer than one record carries still reaches the running player whole.
TEST_F(HandOver, ACommandLineLongerThan999CharactersArrivesWhole) {
    QString longFolder = folder.root();
    for (int i = 0; longFolder.size() < 1100; ++i)
        longFolder += QStringLiteral("/folder %1 ").arg(i) + QString(70, u'长');
    ASSERT_TRUE(QDir().mkpath(longFolder));
    const QString file = longFolder + QStringLiteral("/clip.webm");
    ASSERT_TRUE(QFile::copy(built::media("clip.webm"), file));

    QProcess* first = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    QProcess* second = start({file});
    ASSERT_NE(second, nullptr);
    const qint64 secondId = second->processId();  // 0 once it has ended
    EXPECT_EQ(waitForExit(second), 0);
    ASSERT_EQ(terminate(first), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{file});
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/shm/KestruneHO_%1").arg(secondId)));
}
