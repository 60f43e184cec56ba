// The system screen saver and power saving on a real X server: held off while the player runs, and given
// back exactly as the user had them, on or off.
#include <gtest/gtest.h>

#include <QTest>

#include "platform/DesktopScreenSaverInhibitor.h"
#include "platform/Services.h"
#include "saverctl/ScreenSaveAndPower.h"
#include "support/ProgramFolder.h"
#include "support/XSaverSettings.h"

namespace {
const XSaverSettings kHeldOff{.timeout = 0, .dpms = false};

// The X server's own inhibitor alone: no session bus.
class XScreenSaver : public ::testing::Test {
  protected:
    ScopedServices desktop{Services{
        .screenSaverInhibitor = std::make_shared<DesktopScreenSaverInhibitor>(QDBusConnection(QString()))}};
};

class PlayerScreenSaver : public ProgramFolderTest {};
}  // namespace

TEST_F(XScreenSaver, HeldOffWhileRunningAndGivenBackAsTheUserHadIt) {
    for (const XSaverSettings user : {XSaverSettings{600, true}, XSaverSettings{0, false},
                                      XSaverSettings{600, false}, XSaverSettings{0, true}}) {
        SCOPED_TRACE(testing::Message() << "delay " << user.timeout << ", DPMS " << user.dpms);
        user.apply();
        const XSaverSettings held = user.asTheServerHoldsThem();
        ScreenSaveAndPower power;
        // Switching on what was never switched off changes nothing.
        power.EnablePowerSaver();
        power.OpenScreenSave();
        EXPECT_EQ(XSaverSettings::read(), held);

        power.CloseScreenSave();
        power.DisEnablePowerSaver();
        EXPECT_EQ(XSaverSettings::read(), kHeldOff);
        EXPECT_FALSE(power.boolCurrentScreenSaveState());

        power.EnablePowerSaver();
        power.OpenScreenSave();
        EXPECT_EQ(XSaverSettings::read(), held);
        EXPECT_EQ(power.boolCurrentScreenSaveState(), user.timeout != 0);
    }
}

TEST_F(XScreenSaver, ADelaySetWhileHeldOffIsTheOneGivenBack) {
    XSaverSettings{600, true}.apply();
    ScreenSaveAndPower power;
    power.CloseScreenSave();
    power.SetScreenSaveTimeout(300);
    EXPECT_EQ(XSaverSettings::read().timeout, 0);
    power.OpenScreenSave();
    EXPECT_EQ(XSaverSettings::read().timeout, 300);
}

// The built player from a program folder: while it runs the X screen saver and DPMS are off; SIGTERM gives
// them back, also when the user had them off.
TEST_F(PlayerScreenSaver, TheBuiltPlayerGivesBackTheUsersSettingsWhenTerminated) {
    ASSERT_TRUE(folder.installProgram());
    for (const XSaverSettings user : {XSaverSettings{600, true}, XSaverSettings{0, false}}) {
        SCOPED_TRACE(testing::Message() << "delay " << user.timeout << ", DPMS " << user.dpms);
        user.apply();
        QProcess* player = start({});
        ASSERT_TRUE(runtime.waitForChannel());
        ASSERT_TRUE(QTest::qWaitFor([] { return XSaverSettings::read() == kHeldOff; }, 20000));
        ASSERT_EQ(terminate(player), 0);
        EXPECT_EQ(XSaverSettings::read(), user.asTheServerHoldsThem());
    }
}
