#include "DesktopScreenSaverInhibitor.h"

#include "SessionBus.h"

void DesktopScreenSaverInhibitor::holdOffScreenSaver() {
    m_boolSaverHeld = true;
    settleBusInhibition();
    m_x.holdOffScreenSaver();
}

void DesktopScreenSaverInhibitor::releaseScreenSaver() {
    m_boolSaverHeld = false;
    settleBusInhibition();
    m_x.releaseScreenSaver();
}

void DesktopScreenSaverInhibitor::holdOffPowerSaving() {
    m_boolPowerHeld = true;
    settleBusInhibition();
    m_x.holdOffPowerSaving();
}

void DesktopScreenSaverInhibitor::releasePowerSaving() {
    m_boolPowerHeld = false;
    settleBusInhibition();
    m_x.releasePowerSaving();
}

bool DesktopScreenSaverInhibitor::screenSaverActive() const {
    // Without an X server only the bus inhibition tells.
    return m_x.screenSaverActive().value_or(!m_boolSaverHeld);
}

void DesktopScreenSaverInhibitor::setScreenSaverTimeout(int seconds) {
    m_x.setScreenSaverTimeout(seconds);
}

// One inhibition covers both: the desktops that offer the screen-saver service keep the display powered
// while it is inhibited.
void DesktopScreenSaverInhibitor::settleBusInhibition() {
    const bool wanted = m_boolSaverHeld || m_boolPowerHeld;
    if (wanted == m_busInhibition.boolHeld()) return;
    if (!m_bus) m_bus = sessionBusWhenOffered();
    if (wanted) {
        m_busInhibition.hold(*m_bus);
    } else {
        m_busInhibition.release(*m_bus);
    }
}
