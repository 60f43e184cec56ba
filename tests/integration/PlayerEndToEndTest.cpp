// The player as a whole on the real engines: start-up from a stored list, playing through it under list loop,
// the exit through the File menu and through SIGTERM, and what the next start finds.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "app/M1.h"
#include "forms/frmMsgBox.h"
#include "support/BuildPaths.h"
#include "support/ModalDialogs.h"
#include "support/ProgramFolder.h"
#include "support/XTools.h"

namespace {
constexpr PlayRule kListLoop = PlayRule::ListLoop;
constexpr int kStoredVolume = 55;

const QStringList kListFiles{built::media("clip.webm"), built::media("tone.wav"), built::media("clip.ogg")};

// A list of three media files with the first one as play item, list loop and a volume of our own.
// The engines keep the default audio output: on a machine without a sound device the clips still play to
// their ends and stay in the list.
class PlayerEndToEnd : public ProgramFolderTest {
  protected:
    void SetUp() override {
        qunsetenv("KESTRUNE_AUDIO_OUTPUT");
        folder.seed(kListFiles, [](SysConfig& config) {
            config.setLngRecyclePlayType(kListLoop);
            config.setIntVolumeValue(kStoredVolume);
        });
    }
};

// Whether a window of that name shows the moving test picture.
bool showsPicture(const QString& name) {
    const QList<WId> windows = xtools::visibleWindows(name);
    return windows.size() == 1 && xtools::distinctColours(xtools::grab(windows.first())) > 20;
}

QString playItemPath(M1& m1) {
    const MoviePtr item = m1.objPlayList()->objGetPlayItem();
    return item ? item->strFilePath : QString();
}
}  // namespace

TEST_F(PlayerEndToEnd, PlaysThroughTheListWrapsAndKeepsEverythingAcrossAnExit) {
    qint64 positionAtExit = -1;
    {
        M1 m1(folder.path());
        bool ended = false;
        m1.Main(QString());
        m1.objControler()->setProcessEnder([&ended] { ended = true; });
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m1.controlPanel()));
        EXPECT_EQ(m1.controlPanel()->lvPlayList->model()->rowCount(), 3);
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

        onNextModal<frmMsgBox>([](frmMsgBox* box) { box->cmdYes->click(); });
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

    M1 again(folder.path());
    again.Main(QString());
    again.objControler()->setProcessEnder([] {});
    frmMain* panel = again.controlPanel();
    EXPECT_EQ(panel->lvPlayList->model()->rowCount(), 3);
    EXPECT_EQ(again.screenWindow()->strFilePath(), kListFiles.at(0));
    EXPECT_EQ(panel->sldVolume->value(), kStoredVolume);
    EXPECT_EQ(panel->labMoviePosi->text(), frmScreen::strGetTimStringBySecValue(positionAtExit));
}

// The built program in a program folder of its own: a file on the command line is added and played, SIGTERM
// ends it in order (exit status 0) and the list, its play item and the settings are stored for the next
// start.
TEST_F(PlayerEndToEnd, TheBuiltPlayerStoresEverythingWhenTerminated) {
    ASSERT_TRUE(folder.installProgram());
    const QString added = built::media("clip.mp4");
    QProcess* player = start({added});
    ASSERT_TRUE(QTest::qWaitFor([] { return showsPicture(QStringLiteral("^Kestrune Vandrel$")); }, 20000));
    QTest::qWait(2000);  // its first seconds reported, its end still ahead
    ASSERT_EQ(terminate(player), 0);
    auto stored = readStored();
    EXPECT_EQ(stored->paths(), kListFiles + QStringList{added});
    EXPECT_EQ(stored->playItem(), added);
    EXPECT_EQ(stored->config.lngCurrentPlayItemLen(), 3);
    EXPECT_EQ(stored->config.lngRecyclePlayType(), kListLoop);
    EXPECT_EQ(stored->config.intVolumeValue(), kStoredVolume);

    // A second start without arguments loads that list rather than emptying it, and keeps it again.
    player = start({});
    ASSERT_TRUE(runtime.waitForChannel());  // started up
    ASSERT_EQ(terminate(player), 0);
    stored = readStored();
    EXPECT_EQ(stored->paths(), kListFiles + QStringList{added});
    EXPECT_EQ(stored->playItem(), added);
    EXPECT_EQ(stored->config.intVolumeValue(), kStoredVolume);
}
