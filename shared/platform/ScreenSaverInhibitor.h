#pragma once

// Holds the desktop's own screen saver and its display power saving off while the player runs, and gives
// back exactly what the user had: releasing undoes only what holding off changed, and never turns on what
// was off. Holding off what is held, or releasing what is not held, does nothing. The desktop's services
// in the programs; a recording stand-in in tests.
class ScreenSaverInhibitor {
  public:
    virtual ~ScreenSaverInhibitor() = default;

    virtual void holdOffScreenSaver() = 0;
    virtual void releaseScreenSaver() = 0;
    virtual void holdOffPowerSaving() = 0;
    virtual void releasePowerSaving() = 0;
    // Whether the desktop's screen saver comes on after idleness as things stand.
    virtual bool screenSaverActive() const = 0;
    // The idle seconds before the desktop's screen saver comes on (0: never). While the screen saver is
    // held off, this is the delay the release gives back.
    virtual void setScreenSaverTimeout(int seconds) = 0;
};
