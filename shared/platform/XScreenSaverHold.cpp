#include "XScreenSaverHold.h"

// Qt before Xlib, whose macros would clash with Qt's names.
#include <QGuiApplication>

// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>
// clang-format on

namespace {
// The player's own connection to the X server, which a suspension lasts as long as; none off X.
Display* playerDisplay() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

struct SaverSettings {
    int timeout = 0, interval = 0, preferBlanking = 0, allowExposures = 0;
};

SaverSettings readSettings(Display* display) {
    SaverSettings s;
    XGetScreenSaver(display, &s.timeout, &s.interval, &s.preferBlanking, &s.allowExposures);
    return s;
}

void setTimeout(Display* display, int timeout) {
    const SaverSettings s = readSettings(display);
    XSetScreenSaver(display, timeout, s.interval, s.preferBlanking, s.allowExposures);
}

// Suspension came with version 1.1 of the screen-saver extension.
bool canSuspend(Display* display) {
    int event = 0, error = 0, major = 0, minor = 0;
    return XScreenSaverQueryExtension(display, &event, &error) &&
           XScreenSaverQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 1));
}

bool hasDpms(Display* display) {
    int event = 0, error = 0;
    return DPMSQueryExtension(display, &event, &error);
}

bool dpmsEnabled(Display* display) {
    CARD16 level = 0;
    BOOL enabled = False;
    return DPMSInfo(display, &level, &enabled) && enabled;
}
}  // namespace

// One suspension covers both: the server's DPMS timer waits for its screen-saver timer.
void XScreenSaverHold::settleSuspension() {
    Display* display = playerDisplay();
    const bool wanted = m_boolSaverHeld || m_boolPowerHeld;
    if (!display || wanted == m_boolSuspended || !canSuspend(display)) return;
    XScreenSaverSuspend(display, wanted ? True : False);
    m_boolSuspended = wanted;
}

void XScreenSaverHold::holdOffScreenSaver() {
    Display* display = playerDisplay();
    if (m_boolSaverHeld || !display) return;
    m_boolSaverHeld = true;
    settleSuspension();
    const int timeout = readSettings(display).timeout;
    if (!m_boolSuspended && timeout != 0) {
        m_timeoutToGiveBack = timeout;
        setTimeout(display, 0);
    }
    XSync(display, False);
}

void XScreenSaverHold::releaseScreenSaver() {
    Display* display = playerDisplay();
    if (!m_boolSaverHeld || !display) return;
    m_boolSaverHeld = false;
    settleSuspension();
    if (m_timeoutToGiveBack && readSettings(display).timeout == 0) setTimeout(display, *m_timeoutToGiveBack);
    m_timeoutToGiveBack.reset();
    XSync(display, False);
}

void XScreenSaverHold::holdOffPowerSaving() {
    Display* display = playerDisplay();
    if (m_boolPowerHeld || !display) return;
    m_boolPowerHeld = true;
    settleSuspension();
    if (!m_boolSuspended && hasDpms(display) && dpmsEnabled(display)) {
        DPMSDisable(display);
        m_boolDpmsToGiveBack = true;
    }
    XSync(display, False);
}

void XScreenSaverHold::releasePowerSaving() {
    Display* display = playerDisplay();
    if (!m_boolPowerHeld || !display) return;
    m_boolPowerHeld = false;
    settleSuspension();
    if (m_boolDpmsToGiveBack && !dpmsEnabled(display)) DPMSEnable(display);
    m_boolDpmsToGiveBack = false;
    XSync(display, False);
}

std::optional<bool> XScreenSaverHold::screenSaverActive() const {
    Display* display = playerDisplay();
    if (!display) return std::nullopt;
    return !m_boolSuspended && readSettings(display).timeout != 0;
}

void XScreenSaverHold::setScreenSaverTimeout(int seconds) {
    // Held off by the delay itself: the new one is the one the release gives back.
    if (m_timeoutToGiveBack || (m_boolSaverHeld && !m_boolSuspended)) {
        m_timeoutToGiveBack = seconds > 0 ? std::optional<int>(seconds) : std::nullopt;
        return;
    }
    Display* display = playerDisplay();
    if (!display) return;
    setTimeout(display, seconds);
    XSync(display, False);
}
