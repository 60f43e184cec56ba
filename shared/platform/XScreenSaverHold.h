#pragma once

#include <optional>

// The screen saver and DPMS of the X server the player runs on, held off and given back. Holding off
// suspends the screen saver for as long as the player stays connected, sets its delay to "never" and
// switches DPMS off; releasing ends the suspension and puts back only what holding off changed, and only
// while the setting still has the value holding off gave it (a change the user made meanwhile stays). On a
// display that is no X server nothing is done. Each change is in force on the server when the call returns.
class XScreenSaverHold {
  public:
    void holdOffScreenSaver();
    void releaseScreenSaver();
    void holdOffPowerSaving();
    void releasePowerSaving();
    // Whether the X screen saver has a delay; none without an X server.
    std::optional<bool> screenSaverActive() const;
    void setScreenSaverTimeout(int seconds);

  private:
    bool m_boolSaverHeld = false;
    bool m_boolSuspended = false;
    bool m_boolPowerHeld = false;
    // What the release gives back: the delay that was set to "never", and DPMS that was switched off.
    std::optional<int> m_timeoutToGiveBack;
    bool m_boolDpmsToGiveBack = false;
};
