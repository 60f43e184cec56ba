#pragma once

// The X server's screen-saver delay and DPMS switch, as `xset s <seconds>` and `xset +dpms`/`-dpms` set them,
// read and set over a connection of the test's own (not the player's). A server without the DPMS extension
// (Debian's Xvfb) reads DPMS as off and ignores setting it.
struct XSaverSettings {
    int timeout = 0;  // idle seconds before the screen saver comes on; 0: never
    bool dpms = false;

    bool operator==(const XSaverSettings&) const = default;
    static XSaverSettings read();
    void apply() const;
    // These settings as the server holds them once applied.
    XSaverSettings asTheServerHoldsThem() const;
    // Whether the server's screen saver is on now; and the saver switched off, its delay counted anew, as
    // input would.
    static bool saverOn();
    static void resetSaver();
};
