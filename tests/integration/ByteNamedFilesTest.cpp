// Files whose names are not UTF-8 (GBK names, as old files of Chinese users have): the built player takes
// them from its command line, relative to a folder of such a name, and from a later start's hand-over, stores
// their names byte for byte, and both engines play them.
#include "PlayerProgramFolder.h"
#include "RealEngineFixture.h"
#include "support/ByteNamedFiles.h"

using namespace bytenames;

namespace {
class ByteNamedFiles : public PlayerProgramFolder {
  protected:
    void SetUp() override {
        PlayerProgramFolder::SetUp();
        installProgram();
    }

    QProcess* startWith(const QList<QByteArray>& arguments, const QByteArray& workingFolder) {
        players.push_back(std::make_unique<QProcess>());
        QProcess* player = players.back().get();
        player->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        startWithByteArguments(*player, program, arguments, workingFolder);
        return player;
    }
};

class ByteNamedClip : public RealEngineFixture {};
}  // namespace

TEST_F(ByteNamedFiles, TheCommandLineAndTheHandOverKeepTheNamesBytes) {
    const QByteArray folder = QFile::encodeName(dir.path()) + '/' + kGbkChinese;
    const QByteArray first = copyUnder(media("clip.webm"), folder, kGbkHello + ".webm");
    const QByteArray second = copyUnder(media("tone.wav"), folder, kGbkChinese + " 2.wav");

    QProcess* player = startWith({kGbkHello + ".webm"}, folder);
    ASSERT_TRUE(waitForChannel());
    EXPECT_EQ(waitForExit(startWith({second}, "/")), 0);
    ASSERT_EQ(terminate(player), 0);
    EXPECT_EQ(storedBytes(databasePath(), "select file_path from play_list order by item_order"),
              (QList<QByteArray>{first, second}));
    EXPECT_EQ(storedBytes(databasePath(), "select file_name from play_list order by item_order"),
              (QList<QByteArray>{kGbkHello + ".webm", kGbkChinese + " 2.wav"}));
}

TEST_F(ByteNamedClip, BothEnginesPlayIt) {
    QTemporaryDir dir;
    const QByteArray path = copyUnder(media("clip.webm"), QFile::encodeName(dir.path()), kGbkHello + ".webm");
    for (const EngineRule rule : {EngineRule::RealPlayerOnly, EngineRule::MediaPlayerOnly}) {
        build(rule);
        screen->setStrFilePath(playerText(path));
        EXPECT_TRUE(screen->play()) << lastError().toStdString();
        EXPECT_TRUE(waitForState(PlayState::Playing, 20000)) << codeValue(rule);
        EXPECT_EQ(lastError(), QString());
    }
}
