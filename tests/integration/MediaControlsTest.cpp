// The desktop's media controls (MPRIS, through playerctl) on a session bus of the test's: the built player
// answers them as its control panel's own buttons and sliders would, and a second player on the bus takes a
// name of its own.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "app/M1.h"
#include "support/BuildPaths.h"
#include "support/Playerctl.h"
#include "support/PrivateSessionBus.h"
#include "support/ProgramFolder.h"

namespace {
const QString kLongClip = built::media("long.webm");  // 30 s
const QString kClip = built::media("clip.webm");

class MediaControls : public ProgramFolderTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(bus.started());
        folder.seed({kLongClip, kClip}, [](SysConfig&) {});
    }
    QProcess* startOnBus(const ProgramFolder& programFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        return players.start(programFolder.program(), {}, environment);
    }

    PrivateSessionBus bus;
    Playerctl playerctl{bus.address(), QStringLiteral("kestrune")};
};
}  // namespace

TEST_F(MediaControls, PlayerctlDrivesTheBuiltPlayer) {
    ASSERT_TRUE(folder.installProgram());
    QProcess* player = startOnBus(folder);
    ASSERT_TRUE(playerctl.waitFor({"status"}, "Stopped"));
    // What a desktop widget hears without asking: each change the player announces.
    const auto announced = playerctl.follow({"metadata", "--format", "{{status}} {{xesam:title}}"});
    EXPECT_EQ(playerctl({"metadata", "xesam:title"}), "long.webm");
    EXPECT_EQ(playerctl({"metadata", "xesam:url"}), "file://" + kLongClip);

    playerctl({"play"});
    ASSERT_TRUE(playerctl.waitFor({"status"}, "Playing"));
    EXPECT_TRUE(playerctl.waitFor({"metadata", "mpris:length"}, "30000000"));
    playerctl({"pause"});
    EXPECT_TRUE(playerctl.waitFor({"status"}, "Paused"));

    // A position set while paused plays on from there, as the progress slider does.
    playerctl({"position", "12"});
    EXPECT_TRUE(playerctl.waitFor({"status"}, "Playing"));
    const double position = playerctl({"position"}).toDouble();
    EXPECT_GE(position, 12.0);
    EXPECT_LT(position, 30.0);

    playerctl({"volume", "0.5"});
    EXPECT_EQ(playerctl({"volume"}).toDouble(), 0.5);

    playerctl({"next"});
    EXPECT_TRUE(playerctl.waitFor({"metadata", "xesam:title"}, "clip.webm"));
    EXPECT_TRUE(playerctl.waitFor({"status"}, "Playing"));

    // A file opened joins the list and plays at once, as one dropped to be played.
    playerctl({"open", "file://" + built::media("tone.wav")});
    EXPECT_TRUE(playerctl.waitFor({"metadata", "xesam:title"}, "tone.wav"));
    EXPECT_TRUE(playerctl.waitFor({"status"}, "Playing"));

    QStringList heard;
    for (const QString& line :
         QString::fromUtf8(announced->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
        if (heard.isEmpty() || heard.last() != line) heard << line;
    EXPECT_EQ(heard.mid(0, 3), (QStringList{"Stopped long.webm", "Playing long.webm", "Paused long.webm"}));
    EXPECT_TRUE(heard.contains("Playing clip.webm")) << heard.join(", ").toStdString();
    EXPECT_EQ(heard.last(), "Playing tone.wav");

    // Another player on the same bus (another user's runtime folder, as side by side in a test suite).
    {
        RuntimeFolder otherRuntime;
        ProgramFolder other;
        ASSERT_TRUE(other.installProgram());
        QProcess* second = startOnBus(other);
        ASSERT_NE(second, nullptr);
        const QString instance = QStringLiteral("kestrune.instance%1").arg(second->processId());
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return Playerctl::players(bus.address()).contains(instance); }, 20000))
            << Playerctl::players(bus.address()).join(' ').toStdString();
        EXPECT_TRUE(Playerctl::players(bus.address()).contains("kestrune"));
        EXPECT_EQ(terminate(second), 0);
    }

    ASSERT_EQ(terminate(player), 0);
    EXPECT_EQ(readStored()->config.intVolumeValue(), 50);  // the volume slider's way, to the stored settings
}

// The control panel shows what the media controls did: the play button's text, the volume slider, the play
// item's row.
TEST_F(MediaControls, ThePanelFollowsTheMediaControls) {
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
    M1 m1(folder.path());
    m1.Main(QString());
    m1.objControler()->setProcessEnder([] {});
    frmMain* panel = m1.controlPanel();
    ASSERT_TRUE(playerctl.waitFor({"status"}, "Stopped"));

    playerctl({"play-pause"});
    EXPECT_EQ(panel->cmdPlay->text(), "暂停");
    // Until its length is known the file is still starting, and the screen window takes no pause.
    ASSERT_TRUE(playerctl.waitFor({"metadata", "mpris:length"}, "30000000"));
    playerctl({"play-pause"});
    EXPECT_EQ(panel->cmdPlay->text(), "播放");
    EXPECT_EQ(playerctl({"status"}), "Paused");

    playerctl({"volume", "0.3"});
    EXPECT_EQ(panel->sldVolume->value(), 30);

    playerctl({"next"});
    EXPECT_EQ(panel->strRowTag(0), "0");
    EXPECT_EQ(panel->strRowTag(1), "1");
    EXPECT_EQ(panel->cmdPlay->text(), "暂停");

    playerctl({"stop"});
    EXPECT_EQ(panel->cmdPlay->text(), "播放");
    EXPECT_TRUE(playerctl.waitFor({"status"}, "Stopped"));
}
