#include "cMonitors2.h"

#include "cMonitors.h"

void cMonitors2::GetMonitorArray() {
    m_monitors.assign(1, nullptr);
    const cMonitors monitors;
    const std::int32_t count = monitors.MonitorCount();
    const std::int32_t primary = monitors.lngPrimaryIndex();
    if (primary > 1) m_monitors.push_back(monitors.Monitor(primary));
    for (std::int32_t i = 1; i <= count; ++i) {
        if (i != primary || primary == 1) m_monitors.push_back(monitors.Monitor(i));
    }
}

std::int32_t cMonitors2::lngMonitorsCount() const {
    return m_monitors.empty() ? 0 : static_cast<std::int32_t>(m_monitors.size()) - 1;
}

cMonitorPtr cMonitors2::objGetAMonitorByIndex(std::int32_t index) const {
    if (index < 1 || index > lngMonitorsCount()) return nullptr;
    return m_monitors[index];
}
