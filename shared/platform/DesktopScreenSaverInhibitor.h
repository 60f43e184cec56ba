#pragma once

#include <QDBusConnection>
#include <optional>

#include "ScreenSaverInhibitor.h"
#include "SessionBusInhibition.h"
#include "XScreenSaverHold.h"

// The desktop's screen saver and power saving held off both ways there are: one inhibition on the session
// bus (the desktop's org.freedesktop.ScreenSaver, else org.freedesktop.PowerManagement.Inhibit), held while
// either is held off, and on the X server the player runs on, its screen saver and DPMS suspended
// (XScreenSaverHold). Both end with the player's connections, so even a killed player leaves nothing held.
// A desktop without the bus services, or a display that is no X server, is simply left to the other way.
class DesktopScreenSaverInhibitor : public ScreenSaverInhibitor {
  public:
    // On the user's session bus, reached at the first hold; none when the session has no bus.
    DesktopScreenSaverInhibitor() = default;
    explicit DesktopScreenSaverInhibitor(const QDBusConnection& bus) : m_bus(bus) {}

    void holdOffScreenSaver() override;
    void releaseScreenSaver() override;
    void holdOffPowerSaving() override;
    void releasePowerSaving() override;
    bool screenSaverActive() const override;
    void setScreenSaverTimeout(int seconds) override;

  private:
    void settleBusInhibition();

    std::optional<QDBusConnection> m_bus;
    SessionBusInhibition m_busInhibition;
    XScreenSaverHold m_x;
    bool m_boolSaverHeld = false;
    bool m_boolPowerHeld = false;
};
