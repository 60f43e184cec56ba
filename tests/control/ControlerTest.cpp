// The controller's rules against windows that are no widgets: what each call and event does to the views,
// in which order, and what reaches the stored configuration.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "FakeViews.h"
#include "control/Controler.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"
#include "saverctl/MouseHideShow.h"
#include "support/RecordingInhibitor.h"
#include "support/ScopedIdleServices.h"
#include "support/ScopedMonitorSource.h"
#include "support/TempDatabase.h"

namespace {
MonitorInfo monitor(QRect rect, bool primary) {
    return MonitorInfo{
        .hMonitor = 0, .name = QString(), .rcMonitor = rect, .rcWork = rect, .IsPrimary = primary};
}

class ControlerRules : public ::testing::Test {
  protected:
    void SetUp() override {
        list.setStrPLDBFilePath(db.path());
        controler.setInitializePram(db.path(), db.folder() + QStringLiteral("/SSP"));
        controler.setReferences(&tray, &panel, &screen, &list);
        controler.setProcessEnder([this] { ++exits; });
    }

    QString makeFile(const QString& name) const {
        const QString path = db.folder() + QLatin1Char('/') + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write("media");
        return path;
    }
    // The controller's batch form: the files from index 1 on.
    static QStringList batch(const QStringList& files) { return QStringList{QString()} + files; }
    QStringList takeLog() { return std::exchange(log.calls, {}); }

    std::shared_ptr<RecordingInhibitor> inhibitor = std::make_shared<RecordingInhibitor>();
    ScopedServices desktop{Services{.screenSaverInhibitor = inhibitor}};
    ScopedIdleServices idle;
    TempDatabase db;
    PlayList list;
    Controler controler;
    ViewLog log;
    FakeScreen screen{log};
    FakePanel panel{log};
    FakeTray tray{log};
    ScopedMonitorSource monitors{{monitor({0, 0, 1280, 720}, true), monitor({1280, 0, 1920, 1080}, false)}};
    int exits = 0;
};
}  // namespace

// Held off only while something plays or the player's own saver is armed, so that a player idle in the tray
// never keeps the screen from locking.
TEST_F(ControlerRules, TheSystemScreenSaverIsHeldOffWhilePlayingOrWhileThePlayersSaverIsArmed) {
    const QStringList heldOff{"screen saver off", "power saving off"};
    const QStringList givenBack{"power saving back", "screen saver back"};
    EXPECT_TRUE(inhibitor->calls.isEmpty());
    for (const PlayState state : {PlayState::Starting, PlayState::Playing}) {
        screen.state = state;
        controler.frmScreen_StateChange();
    }
    EXPECT_EQ(std::exchange(inhibitor->calls, {}), heldOff);
    screen.state = PlayState::Paused;
    controler.frmScreen_StateChange();
    EXPECT_EQ(std::exchange(inhibitor->calls, {}), givenBack);

    RunParameter settings;
    settings.boolScreenSaver = true;
    controler.saveRunPram(settings);
    EXPECT_EQ(std::exchange(inhibitor->calls, {}), heldOff);
    controler.exitSys();
    ASSERT_TRUE(QTest::qWaitFor([this] { return exits == 1; }, 5000));
    EXPECT_EQ(inhibitor->calls, givenBack);
}

TEST_F(ControlerRules, ThePointerHiderRunsUntilExitAndLearnsWhereTheVideoIs) {
    ASSERT_NE(controler.objMouseHideShow(), nullptr);
    EXPECT_EQ(controler.objMouseHideShow()->lngBeforeHideMouseSecondNum(), 5);
    EXPECT_TRUE(controler.objMouseHideShow()->boolEnabled());

    screen.rectangle = QRect(1280, 0, 1920, 1080);
    screen.maxSize = true;
    int left = -1, top = -1, width = -1, height = -1;
    bool full = false;
    QString caption;
    controler.m_objMouseHideShow_tellMePlayArea(left, top, width, height, full, caption);
    EXPECT_EQ(QRect(left, top, width, height), screen.rectangle);
    EXPECT_TRUE(full);
    EXPECT_EQ(caption, screen.caption);

    Controler bare;
    bare.m_objMouseHideShow_tellMePlayArea(left, top, width, height, full, caption);
    EXPECT_EQ(QRect(left, top, width, height), QRect(0, 0, 0, 0));
    EXPECT_FALSE(full);
    EXPECT_TRUE(caption.isEmpty());

    controler.exitSys();
    EXPECT_EQ(controler.objMouseHideShow(), nullptr);
}

TEST_F(ControlerRules, MenuCommandsActOnTheScreenAndReportTheirCodes) {
    const struct {
        MenuCommand command;
        QStringList calls;
    } rows[] = {
        {MenuCommand::FullScreenTo, {"full screen", "face 6"}},
        {MenuCommand::ExitFullScreen, {"windowed", "face 7"}},
        {MenuCommand::Play, {"play", "face 1"}},
        {MenuCommand::Play, {"play", "face 2"}},  // already playing: the play did not start
        {MenuCommand::Pause, {"pause", "face 2"}},
        {MenuCommand::Stop, {"stop", "face 3"}},
        {MenuCommand::Mute, {"mute", "face 5"}},
        {MenuCommand::SoundOn, {"sound on", "face 4"}},
        {MenuCommand::ShowMainFace, {"panel shown"}},
        {MenuCommand{9}, {}},
    };
    for (const auto& row : rows) {
        controler.frmScreen_clickPopuMenu(row.command);
        EXPECT_EQ(takeLog(), row.calls) << codeValue(row.command);
    }
    screen.muteSticks = true;
    controler.frmScreen_clickPopuMenu(MenuCommand::SoundOn);
    EXPECT_EQ(takeLog(), (QStringList{"sound on", "face 5"}));
}

TEST_F(ControlerRules, AnUnknownEngineRuleReachesTheScreenButIsNotStored) {
    controler.setPlayRuler(EngineRule::PreferMediaPlayer);
    controler.setPlayRuler(EngineRule{5});
    EXPECT_EQ(screen.rule, EngineRule{5});
    EXPECT_EQ(controler.lngPlayRuler(), EngineRule::PreferMediaPlayer);
}

TEST_F(ControlerRules, BatchesPlayIntoAnEmptyListAndOtherwiseAsAskedWhilePlaying) {
    const QString a = makeFile("a.webm"), b = makeFile("b.webm"), c = makeFile("c.webm");
    controler.BatchAddMovie(batch({db.folder() + "/missing.webm", db.folder()}), true);
    EXPECT_EQ(list.lngListCount(), 0);
    EXPECT_TRUE(takeLog().isEmpty());

    controler.BatchAddMovie(batch({a, QStringLiteral("HTTP://example.org/live")}), false);
    EXPECT_EQ(list.lngListCount(), 2);
    EXPECT_EQ(panel.rows.size(), 2);
    EXPECT_EQ(screen.filePath, a);
    EXPECT_EQ(takeLog(), (QStringList{"play", "face 1"}));

    controler.BatchAddMovie(batch({b}), false);  // playing: the new file is only selected
    EXPECT_EQ(screen.filePath, a);
    EXPECT_EQ(panel.selected, list.objGetAItem(3)->strFlag);
    EXPECT_TRUE(takeLog().isEmpty());

    controler.BatchAddMovie(batch({c}), true);  // playing, play now: stopped, then the new file plays
    EXPECT_EQ(screen.filePath, c);
    EXPECT_EQ(list.objGetPlayItem()->strFilePath, c);
    EXPECT_EQ(panel.playItemRow, list.objGetAItem(4)->strFlag);
    EXPECT_EQ(takeLog(), (QStringList{"stop", "face 3", "play", "face 1"}));
}

TEST_F(ControlerRules, AClickOnTheVideoTogglesThePanel) {
    controler.frmScreen_ClickPlayer();  // the panel is not the active window
    EXPECT_EQ(takeLog(), QStringList{"panel shown"});

    panel.active = true;
    controler.frmScreen_ClickPlayer();  // wholly over the video, bounds included
    panel.rectangle = QRect(0, 0, 800, 600);
    controler.frmScreen_ClickPlayer();
    EXPECT_EQ(takeLog(), (QStringList{"panel minimised", "panel minimised"}));

    panel.rectangle = QRect(600, 100, 400, 300);  // partly over the video
    controler.frmScreen_ClickPlayer();
    EXPECT_EQ(takeLog(), QStringList{"screen focus"});
}

TEST_F(ControlerRules, ADoubleClickGoesFullScreenOnThePointersMonitorOrShowsThePanel) {
    monitors.source().setPointerPosition(QPoint(1500, 10));
    controler.frmScreen_DbClickPlayer(false);
    EXPECT_EQ(takeLog(), (QStringList{
                             "maxHeight 1080",
                             "maxWidth 1920",
                             "maxTop 0",
                             "maxLeft 1280",
                             "full screen",
                             "face 6",
                         }));
    controler.frmScreen_DbClickPlayer(true);
    EXPECT_EQ(takeLog(), QStringList{"panel shown"});

    monitors.source().setPointerPosition(QPoint(-50, -50));
    controler.frmScreen_DbClickPlayer(false);
    EXPECT_TRUE(takeLog().isEmpty());
}

TEST_F(ControlerRules, ThePanelComesToThePointersMonitorUnlessItsCornerIsThere) {
    monitors.source().setPointerPosition(QPoint(2000, 500));
    panel.rectangle = QRect(1276, 100, 400, 300);  // its corner, 5 pixels in, lies on the second monitor
    controler.showMainFace();
    EXPECT_EQ(panel.rectangle.topLeft(), QPoint(1276, 100));

    panel.rectangle = QRect(100, 100, 401, 301);
    controler.showMainFace();
    EXPECT_EQ(panel.rectangle.topLeft(), QPoint(2040, 390));  // 2039.5 and 389.5, halves to even
}

TEST_F(ControlerRules, KeysDoWhatTheButtonsAndMenuEntriesTheyMirrorDo) {
    controler.doKeyCommand(PlayerKey::PlayPause);
    controler.doKeyCommand(PlayerKey::PlayPause);
    controler.doKeyCommand(PlayerKey::ToggleMute);
    controler.doKeyCommand(PlayerKey::ToggleMute);
    EXPECT_EQ(takeLog(),
              (QStringList{"play", "face 1", "pause", "face 2", "mute", "face 5", "sound on", "face 4"}));

    screen.monitor = QRect(1280, 0, 1920, 1080);
    controler.doKeyCommand(PlayerKey::ToggleFullScreen);
    controler.doKeyCommand(PlayerKey::LeaveFullScreen);
    controler.doKeyCommand(PlayerKey::LeaveFullScreen);  // already windowed: nothing
    EXPECT_EQ(takeLog(), (QStringList{"maxHeight 1080", "maxWidth 1920", "maxTop 0", "maxLeft 1280",
                                      "full screen", "face 6", "windowed", "face 7"}));

    panel.position = 55;
    panel.length = 60;
    controler.doKeyCommand(PlayerKey::SeekForward);  // paused: the seek resumes play
    EXPECT_EQ(screen.position, 60);
    EXPECT_EQ(screen.state, PlayState::Playing);
    panel.position = 4;
    controler.doKeyCommand(PlayerKey::SeekBack);
    EXPECT_EQ(screen.position, 0);

    controler.objSysConfig()->setIntVolumeValue(98);
    controler.doKeyCommand(PlayerKey::VolumeUp);
    EXPECT_EQ(screen.volume, 100);
    EXPECT_EQ(panel.volume, 100);
    controler.doKeyCommand(PlayerKey::VolumeDown);
    EXPECT_EQ(controler.intVolumeValue(), 95);
}

TEST_F(ControlerRules, ExitStoresSettlesAndRefusesWhatComesAfter) {
    panel.position = 42;
    panel.length = 300;
    controler.exitSys();
    EXPECT_EQ(takeLog(), (QStringList{"panel hidden", "sound on"}));
    EXPECT_TRUE(controler.boolShuttingDown());
    controler.frmScreen_PlayOver();
    controler.frmScreen_PlayErr(QStringLiteral("failed"));
    controler.frmScreen_clickPopuMenu(MenuCommand::Play);
    controler.exitSys();
    EXPECT_TRUE(takeLog().isEmpty());
    EXPECT_EQ(exits, 0);

    ASSERT_TRUE(QTest::qWaitFor([this] { return exits == 1; }, 5000));
    EXPECT_EQ(takeLog(), (QStringList{"screen hidden", "tray unloaded"}));
    SysConfig stored;
    stored.setStrDBFilePath(db.path());
    ASSERT_TRUE(stored.boolGetData());
    EXPECT_EQ(stored.lngCurrentPlayPosition(), 42);
    EXPECT_EQ(stored.lngCurrentPlayItemLen(), 300);
}

// The exit waits for no timer: the events already queued run once, and the whole list is stored in order.
TEST_F(ControlerRules, ExitStoresTheWholeListOnTheNextTurnOfTheEventLoop) {
    QStringList files;
    for (int i = 1; i <= 10; ++i) files << makeFile(QStringLiteral("clip %1.webm").arg(i));
    controler.BatchAddMovie(batch(files), false);
    controler.exitSys(Controler::ExitCause::SessionEnd);
    EXPECT_EQ(exits, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(exits, 1);
    PlayList stored;
    stored.setStrPLDBFilePath(db.path());
    QString error;
    ASSERT_TRUE(stored.boolGetPlayListFromPLDB(error)) << error.toStdString();
    ASSERT_EQ(stored.lngListCount(), 10);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(stored.objGetAItem(i)->strFilePath, files.at(i - 1));
}

TEST_F(ControlerRules, ExitWithoutKeepingTheListLeavesTheStoredPositionAlone) {
    controler.objSysConfig()->setBoolSavePlayList(false);
    controler.objSysConfig()->setLngCurrentPlayPosition(7);
    panel.position = 42;
    controler.exitSys();
    ASSERT_TRUE(QTest::qWaitFor([this] { return exits == 1; }, 5000));
    SysConfig stored;
    stored.setStrDBFilePath(db.path());
    ASSERT_TRUE(stored.boolGetData());
    EXPECT_EQ(stored.lngCurrentPlayPosition(), 7);
}
