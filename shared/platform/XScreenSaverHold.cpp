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

void XScreenSaverHold::holdOffScreenSaver() {
    Display* display = playerDisplay();
    if (m_boolSaverHeld || !display) return;
    m_boolSaverHeld = true;
    int event = 0, error = 0;
    if (XScreenSaverQueryExtension(display, &event, &error)) {
        XScreenSaverSuspend(display, True);
        m_boolSuspended = true;
    }
    const int timeout = readSettings(display).timeout;
    if (timeout != 0) {
        m_timeoutToGiveBack = timeout;
        setTimeout(display, 0);
    }
    XSync(display, False);
}

void XScreenSaverHold::releaseScreenSaver() {
    Display* display = playerDisplay();
    if (!m_boolSaverHeld || !display) return;
    m_boolSaverHeld = false;
    if (m_boolSuspended) XScreenSaverSuspend(display, False);
    m_boolSuspended = false;
    if (m_timeoutToGiveBack && readSettings(display).timeout == 0) setTimeout(display, *m_timeoutToGiveBack);
    m_timeoutToGiveBack.reset();
    XSync(display, False);
}

void XScreenSaverHold::holdOffPowerSaving() {
    Display* display = playerDisplay();
    if (m_boolPowerHeld || !display) return;
    m_boolPowerHeld = true;
    if (hasDpms(display) && dpmsEnabled(display)) {
        DPMSDisable(display);
        m_boolDpmsToGiveBack = true;
    }
    XSync(display, False);
}

void XScreenSaverHold::releasePowerSaving() {
    Display* display = playerDisplay();
    if (!m_boolPowerHeld || !display) return;
    m_boolPowerHeld = false;
    if (m_boolDpmsToGiveBack && !dpmsEnabled(display)) DPMSEnable(display);
    m_boolDpmsToGiveBack = false;
    XSync(display, False);
}

std::optional<bool> XScreenSaverHold::screenSaverActive() const {
    Display* display = playerDisplay();
    if (!display) return std::nullopt;
    return readSettings(display).timeout != 0;
}

void XScreenSaverHold::setScreenSaverTimeout(int seconds) {
    if (m_boolSaverHeld) {
        m_timeoutToGiveBack = seconds > 0 ? std::optional<int>(seconds) : std::nullopt;
        return;
    }
    Display* display = playerDisplay();
    if (!display) return;
    setTimeout(display, seconds);
    XSync(display, False);
}
