#pragma once

#include <optional>

// The screen saver and DPMS of the X server the player runs on, held off and given back. Where the server
// offers the screen-saver extension, holding off suspends its screen saver and DPMS timers for as long as
// the player's connection lasts: the user's settings are never touched, and a player that is killed gives
// everything back with its connection. On a server without it, holding off sets the delay to "never" and
// switches DPMS off, and releasing puts back only what holding off changed, and only while the setting still
// has the value holding off gave it (a change the user made meanwhile stays); a killed player leaves those
// settings behind there. On a display that is no X server nothing is done. Each change is in force on the
// server when the call returns.
class XScreenSaverHold {
  public:
    void holdOffScreenSaver();
    void releaseScreenSaver();
    void holdOffPowerSaving();
    void releasePowerSaving();
    // Whether the X screen saver comes on after idleness as things stand; none without an X server.
    std::optional<bool> screenSaverActive() const;
    void setScreenSaverTimeout(int seconds);

  private:
    void settleSuspension();

    bool m_boolSaverHeld = false;
    bool m_boolPowerHeld = false;
    bool m_boolSuspended = false;
    // What the release gives back on a server without the extension: the delay that was set to "never", and
    // DPMS that was switched off.
    std::optional<int> m_timeoutToGiveBack;
    bool m_boolDpmsToGiveBack = false;
};
