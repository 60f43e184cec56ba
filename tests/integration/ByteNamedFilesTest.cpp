// Files whose names are not UTF-8 (GBK names, as old files of Chinese users have): the built player takes
// them from its command line, relative to a folder of such a name, and from a later start's hand-over, stores
// their names byte for byte, and both engines play them (with the other tests of both engines).
#include "support/ByteNamedFiles.h"
#include "support/ProgramFolder.h"
#include "support/RealEngineScreen.h"

using namespace bytenames;

namespace {
class ByteNamedFiles : public ProgramFolderTest {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.installProgram()); }

    QProcess* startWith(const QList<QByteArray>& arguments, const QByteArray& workingFolder) {
        QProcess* player = byteStarts.emplace_back(std::make_unique<QProcess>()).get();
        player->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        startWithByteArguments(*player, folder.program(), arguments, workingFolder);
        return player;
    }
    std::vector<std::unique_ptr<QProcess>> byteStarts;
};
}  // namespace

TEST_F(ByteNamedFiles, TheCommandLineAndTheHandOverKeepTheNamesBytes) {
    const QByteArray names = QFile::encodeName(folder.root()) + '/' + kGbkChinese;
    const QByteArray first = copyUnder(built::media("clip.webm"), names, kGbkHello + ".webm");
    const QByteArray second = copyUnder(built::media("tone.wav"), names, kGbkChinese + " 2.wav");

    QProcess* player = startWith({kGbkHello + ".webm"}, names);
    ASSERT_TRUE(runtime.waitForChannel());
    EXPECT_EQ(waitForExit(startWith({second}, "/")), 0);
    ASSERT_EQ(terminate(player), 0);
    EXPECT_EQ(storedBytes(folder.databasePath(), "select file_path from play_list order by item_order"),
              (QList<QByteArray>{first, second}));
    EXPECT_EQ(storedBytes(folder.databasePath(), "select file_name from play_list order by item_order"),
              (QList<QByteArray>{kGbkHello + ".webm", kGbkChinese + " 2.wav"}));
}

// A later start with several files, one named in GBK, hands them over in a block of its own, each whole, and
// takes the block away once the player has read it; one that is not there is named on the terminal in the
// bytes it came in.
TEST_F(ByteNamedFiles, ASecondStartHandsSeveralFilesOverWholeInABlockOfItsOwn) {
    const QByteArray names = QFile::encodeName(folder.root()) + '/' + kGbkChinese;
    const QByteArray gbk = copyUnder(built::media("tone.wav"), names, kGbkHello + ".wav");
    const QByteArray plain = copyUnder(built::media("clip.webm"), names, "plain 2.webm");

    QProcess* player = startWith({}, "/");
    ASSERT_TRUE(runtime.waitForChannel());
    QProcess second;
    startWithByteArguments(second, folder.program(),
                           {kGbkHello + ".wav", kGbkChinese + " gone.wav", "plain 2.webm"}, names);
    const qint64 secondId = second.processId();
    EXPECT_EQ(waitForExit(&second), 0);
    EXPECT_EQ(second.readAllStandardError(), "brandock: 找不到文件: " + kGbkChinese + " gone.wav\n");
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/shm/KestruneHO_%1").arg(secondId)));
    ASSERT_EQ(terminate(player), 0);
    EXPECT_EQ(storedBytes(folder.databasePath(), "select file_path from play_list order by item_order"),
              (QList<QByteArray>{gbk, plain}));
}

TEST_P(EngineScreen, PlaysAFileWhoseNameIsNotUtf8) {
    requireEngine();
    const QByteArray path =
        copyUnder(built::media("clip.webm"), QFile::encodeName(dir.path()), kGbkHello + ".webm");
    build(engine.onlyRule);
    EXPECT_TRUE(playFile(playerText(path))) << lastError().toStdString();
    EXPECT_TRUE(waitForState(PlayState::Playing, 20000));
    EXPECT_EQ(lastError(), QString());
}
