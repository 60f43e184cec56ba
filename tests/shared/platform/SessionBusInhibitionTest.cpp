// The desktop's screen-saver service on a session bus of the test's own: one inhibition while the player
// holds the screen saver or power saving off, released when it gives both back.
#include <gtest/gtest.h>

#include "platform/DesktopScreenSaverInhibitor.h"
#include "platform/Services.h"
#include "saverctl/ScreenSaveAndPower.h"
#include "support/PrivateSessionBus.h"

TEST(SessionBusInhibition, OneInhibitionWhileRunningReleasedAtTheEnd) {
    PrivateSessionBus bus;
    ASSERT_TRUE(bus.started());
    StandInScreenSaver service(bus);
    ASSERT_TRUE(service.registered());
    ScopedServices desktop{Services{.screenSaverInhibitor = std::make_shared<DesktopScreenSaverInhibitor>(
                                        bus.connect(QStringLiteral("player")))}};

    ScreenSaveAndPower power;
    power.CloseScreenSave();
    power.DisEnablePowerSaver();
    EXPECT_EQ(service.calls(), QStringList{"Inhibit Brandock 41"});
    power.EnablePowerSaver();
    EXPECT_EQ(service.calls(), QStringList{"Inhibit Brandock 41"});  // the screen saver is still held off
    power.OpenScreenSave();
    EXPECT_EQ(service.calls(), (QStringList{"Inhibit Brandock 41", "UnInhibit 41"}));
}

TEST(SessionBusInhibition, ABusWithoutTheServicesIsNoError) {
    PrivateSessionBus bus;
    ASSERT_TRUE(bus.started());
    DesktopScreenSaverInhibitor inhibitor(bus.connect(QStringLiteral("player")));
    inhibitor.holdOffScreenSaver();
    EXPECT_FALSE(inhibitor.screenSaverActive());
    inhibitor.releaseScreenSaver();
    EXPECT_TRUE(inhibitor.screenSaverActive());
}
