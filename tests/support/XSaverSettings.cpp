#include "XSaverSettings.h"

#include <gtest/gtest.h>

// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>
// clang-format on

namespace {
// A connection of its own for one exchange; the calls below wait for the server's answer.
class Connection {
  public:
    Connection() : m_display(XOpenDisplay(nullptr)) { EXPECT_NE(m_display, nullptr) << "no X server"; }
    ~Connection() {
        if (m_display) XCloseDisplay(m_display);
    }
    Display* display() const { return m_display; }

  private:
    Display* m_display;
};

bool hasDpms(Display* display) {
    int event = 0, error = 0;
    return DPMSQueryExtension(display, &event, &error);
}
}  // namespace

XSaverSettings XSaverSettings::read() {
    Connection connection;
    XSaverSettings settings;
    if (!connection.display()) return settings;
    int interval = 0, blanking = 0, exposures = 0;
    XGetScreenSaver(connection.display(), &settings.timeout, &interval, &blanking, &exposures);
    CARD16 level = 0;
    BOOL enabled = False;
    settings.dpms =
        hasDpms(connection.display()) && DPMSInfo(connection.display(), &level, &enabled) && enabled;
    return settings;
}

void XSaverSettings::apply() const {
    Connection connection;
    Display* display = connection.display();
    if (!display) return;
    int timeout = 0, interval = 0, blanking = 0, exposures = 0;
    XGetScreenSaver(display, &timeout, &interval, &blanking, &exposures);
    XSetScreenSaver(display, this->timeout, interval, blanking, exposures);
    if (hasDpms(display) && dpms) {
        DPMSEnable(display);
    } else if (hasDpms(display)) {
        DPMSDisable(display);
    }
    XSync(display, False);
}

XSaverSettings XSaverSettings::asTheServerHoldsThem() const {
    Connection connection;
    return XSaverSettings{.timeout = timeout,
                          .dpms = dpms && connection.display() && hasDpms(connection.display())};
}

bool XSaverSettings::saverOn() {
    Connection connection;
    XScreenSaverInfo info{};
    return connection.display() &&
           XScreenSaverQueryInfo(connection.display(), DefaultRootWindow(connection.display()), &info) &&
           info.state == ScreenSaverOn;
}

void XSaverSettings::resetSaver() {
    Connection connection;
    if (!connection.display()) return;
    XForceScreenSaver(connection.display(), ScreenSaverReset);
    XSync(connection.display(), False);
}
