// The system screen saver on a real X server: held off while wanted by suspending it, which never touches
// the user's settings and ends with the player's connection, so even a killed player gives it back.
#include <gtest/gtest.h>

#include <QTest>
#include <csignal>

#include "model/SysConfig.h"
#include "platform/DesktopScreenSaverInhibitor.h"
#include "platform/Services.h"
#include "saverctl/ScreenSaveAndPower.h"
#include "support/PrivateSessionBus.h"
#include "support/ProgramFolder.h"
#include "support/XSaverSettings.h"

namespace {
// A screen saver that comes on after one idle second.
const XSaverSettings kQuickSaver{.timeout = 1, .dpms = true};

// Whether the X screen saver stays off over three times its delay.
bool staysOff() {
    XSaverSettings::resetSaver();
    return !QTest::qWaitFor([] { return XSaverSettings::saverOn(); }, 3000);
}
bool comesOn() {
    return QTest::qWaitFor([] { return XSaverSettings::saverOn(); }, 5000);
}

// The X server's own inhibitor alone: no session bus.
class XScreenSaver : public ::testing::Test {
  protected:
    ScopedServices desktop{Services{
        .screenSaverInhibitor = std::make_shared<DesktopScreenSaverInhibitor>(QDBusConnection(QString()))}};
};

class PlayerScreenSaver : public ProgramFolderTest {};
}  // namespace

TEST_F(XScreenSaver, HeldOffWhileRunningAndGivenBackAsTheUserHadIt) {
    for (const XSaverSettings user : {XSaverSettings{600, true}, XSaverSettings{0, false}}) {
        SCOPED_TRACE(testing::Message() << "delay " << user.timeout << ", DPMS " << user.dpms);
        user.apply();
        const XSaverSettings held = user.asTheServerHoldsThem();
        ScreenSaveAndPower power;
        // Switching on what was never switched off changes nothing.
        power.EnablePowerSaver();
        power.OpenScreenSave();
        EXPECT_EQ(XSaverSettings::read(), held);
        EXPECT_EQ(power.boolCurrentScreenSaveState(), user.timeout != 0);

        power.CloseScreenSave();
        power.DisEnablePowerSaver();
        EXPECT_EQ(XSaverSettings::read(), held);
        EXPECT_FALSE(power.boolCurrentScreenSaveState());
        power.EnablePowerSaver();
        power.OpenScreenSave();
        EXPECT_EQ(XSaverSettings::read(), held);
        EXPECT_EQ(power.boolCurrentScreenSaveState(), user.timeout != 0);
    }

    kQuickSaver.apply();
    ScreenSaveAndPower power;
    power.CloseScreenSave();
    power.SetScreenSaveTimeout(2);
    EXPECT_EQ(XSaverSettings::read().timeout, 2);
    EXPECT_TRUE(staysOff());
    power.OpenScreenSave();
    EXPECT_TRUE(comesOn());
}

// The built player holds the X screen saver off while its own saver is armed, and gives it back at SIGTERM
// and at a kill alike, the user's settings untouched; with its saver off and nothing playing it holds
// nothing.
TEST_F(PlayerScreenSaver, TheBuiltPlayerHoldsItOffOnlyWhileWantedAndGivesItBackEvenWhenKilled) {
    ASSERT_TRUE(folder.installProgram());
    kQuickSaver.apply();
    const XSaverSettings user = XSaverSettings::read();

    QProcess* player = start({});
    ASSERT_TRUE(runtime.waitForChannel());
    EXPECT_TRUE(comesOn());
    ASSERT_EQ(terminate(player), 0);

    folder.seed({}, [](SysConfig& config) { config.setBoolScreenSaver(true); });
    for (const int signal : {SIGTERM, SIGKILL}) {
        SCOPED_TRACE(testing::Message() << "signal " << signal);
        player = start({});
        ASSERT_TRUE(runtime.waitForChannel());
        EXPECT_TRUE(staysOff());
        ::kill(static_cast<pid_t>(player->processId()), signal);
        ASSERT_TRUE(player->waitForFinished(20000));
        EXPECT_TRUE(comesOn());
        EXPECT_EQ(XSaverSettings::read(), user);
    }
}

// With the desktop's screen-saver service on the session bus: one inhibition while the player's saver is
// armed, given back at an orderly exit.
TEST_F(PlayerScreenSaver, OnTheSessionBusTheBuiltPlayerHoldsOneInhibitionUntilItEnds) {
    ASSERT_TRUE(folder.installProgram());
    folder.seed({}, [](SysConfig& config) { config.setBoolScreenSaver(true); });
    PrivateSessionBus bus;
    StandInScreenSaver service(bus);
    ASSERT_TRUE(service.registered());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    QProcess* player = players.start(folder.program(), {}, environment);
    ASSERT_TRUE(runtime.waitForChannel());
    ASSERT_TRUE(QTest::qWaitFor([&service] { return !service.calls().isEmpty(); }, 10000));
    EXPECT_EQ(service.calls(), QStringList{"Inhibit Brandock 41"});
    ASSERT_EQ(terminate(player), 0);
    EXPECT_EQ(service.calls(), (QStringList{"Inhibit Brandock 41", "UnInhibit 41"}));
}
