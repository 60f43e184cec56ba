// The player as a whole on the real engines: start-up from a stored list, playing through it under list loop,
// the exit through the File menu and through SIGTERM, and what the next start finds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "app/M1.h"
#include "forms/frmMsgBox.h"

#include "PlayerProgramFolder.h"

namespace {
constexpr PlayRule kListLoop = PlayRule::ListLoop;
constexpr int kStoredVolume = 55;

const QStringList kListFiles{PlayerProgramFolder::media("clip.webm"), PlayerProgramFolder::media("tone.wav"),
                             PlayerProgramFolder::media("clip.ogg")};

class PlayerEndToEnd : public PlayerProgramFolder {
  protected:
    void SetUp() override {
        PlayerProgramFolder::SetUp();
        seedDatabase();
    }

    // A list of three media files with the first one as play item, list loop and a volume of our own.
    void seedDatabase() {
        QString error;
        ASSERT_TRUE(settingsdb::boolCreateIfMissing(folder, error)) << error.toStdString();
        SysConfig config;
        config.setStrDBFilePath(databasePath());
        config.boolGetData();  // a new database has no settings row yet: defaults
        config.setLngRecyclePlayType(kListLoop);
        config.setIntVolumeValue(kStoredVolume);
        config.setBoolSavePlayList(true);
        ASSERT_TRUE(config.boolSaveData());

        PlayList list;
        list.setStrPLDBFilePath(databasePath());
        for (int i = 0; i < kListFiles.size(); ++i) {
            auto movie = std::make_shared<Movie>(QStringLiteral("F2026120800000000%1").arg(i));
            movie->strFilePath = kListFiles.at(i);
            movie->strFileName = QFileInfo(kListFiles.at(i)).fileName();
            movie->boolIsPlayItem = movie->boolIsActItem = i == 0;
            list.addAItem(movie);
        }
        ASSERT_TRUE(list.boolSavePlayListToPLDB(error)) << error.toStdString();
    }
};

QString playItemPath(M1& m1) {
    const MoviePtr item = m1.objPlayList()->objGetPlayItem();
    return item ? item->strFilePath : QString();
}

// Answers the exit question with "是" as soon as it is up.
void answerYesToTheExitQuestion() {
    QTimer::singleShot(100, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<frmMsgBox*>(window); box && box->isVisible()) {
                box->cmdYes->click();
                return;
            }
        }
        answerYesToTheExitQuestion();
    });
}
}  // namespace

TEST_F(PlayerEndToEnd, PlaysThroughTheListWrapsAndKeepsEverythingAcrossAnExit) {
    qint64 positionAtExit = -1;
    {
        M1 m1(folder);
        bool ended = false;
        m1.Main(QString());
        m1.objControler()->setProcessEnder([&ended] { ended = true; });
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m1.controlPanel()));
        EXPECT_EQ(m1.controlPanel()->lvPlayList->topLevelItemCount(), 3);
        EXPECT_EQ(m1.screenWindow()->strFilePath(), kListFiles.at(0));

        m1.controlPanel()->cmdPlay->click();
        QStringList played{playItemPath(m1)};
        const bool wrapped = QTest::qWaitFor(
            [&] {
                const QString now = playItemPath(m1);
                if (now != played.last()) played << now;
                return played.size() == 4;
            },
            60000);
        ASSERT_TRUE(wrapped) << played.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(played, kListFiles + QStringList{kListFiles.at(0)});

        ASSERT_TRUE(QTest::qWaitFor([&] { return m1.controlPanel()->lngGetJinDu() >= 1; }, 15000));
        m1.controlPanel()->cmdPlay->click();  // pause, so that the position holds still until the exit
        positionAtExit = m1.controlPanel()->lngGetJinDu();

        answerYesToTheExitQuestion();
        m1.controlPanel()->mnuExit->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&ended] { return ended; }, 5000));
    }

    auto stored = readStored();
    EXPECT_EQ(stored->paths(), kListFiles);
    EXPECT_EQ(stored->playItem(), kListFiles.at(0));
    EXPECT_EQ(stored->config.lngCurrentPlayPosition(), positionAtExit);
    EXPECT_EQ(stored->config.lngCurrentPlayItemLen(), 3);
    EXPECT_EQ(stored->config.lngRecyclePlayType(), kListLoop);
    EXPECT_EQ(stored->config.intVolumeValue(), kStoredVolume);

    M1 again(folder);
    again.Main(QString());
    again.objControler()->setProcessEnder([] {});
    frmMain* panel = again.controlPanel();
    EXPECT_EQ(panel->lvPlayList->topLevelItemCount(), 3);
    EXPECT_EQ(again.screenWindow()->strFilePath(), kListFiles.at(0));
    EXPECT_EQ(panel->sldVolume->value(), kStoredVolume);
    EXPECT_EQ(panel->labMoviePosi->text(), frmScreen::strGetTimStringBySecValue(positionAtExit));
}

// The built program in a program folder of its own: a file on the command line is added and played, SIGTERM
// ends it in order (exit status 0) and the list, its play item and the settings are stored for the next
// start.
TEST_F(PlayerEndToEnd, TheBuiltPlayerStoresEverythingWhenTerminated) {
    installProgram();
    const QString added = media("clip.mp4");
    QProcess* player = start({added});
    QTest::qWait(2500);
    ASSERT_EQ(terminate(player), 0);
    auto stored = readStored();
    EXPECT_EQ(stored->paths(), kListFiles + QStringList{added});
    EXPECT_EQ(stored->playItem(), added);
    EXPECT_EQ(stored->config.lngCurrentPlayItemLen(), 3);
    EXPECT_EQ(stored->config.lngRecyclePlayType(), kListLoop);
    EXPECT_EQ(stored->config.intVolumeValue(), kStoredVolume);

    // A second start without arguments loads that list rather than emptying it, and keeps it again.
    player = start({});
    QTest::qWait(1500);
    ASSERT_EQ(terminate(player), 0);
    stored = readStored();
    EXPECT_EQ(stored->paths(), kListFiles + QStringList{added});
    EXPECT_EQ(stored->playItem(), added);
    EXPECT_EQ(stored->config.intVolumeValue(), kStoredVolume);
}
