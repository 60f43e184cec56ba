#include "AimMonitor.h"

std::int16_t AimMonitor::intMonitorCount() const {
    return m_objMonitors ? static_cast<std::int16_t>(m_objMonitors->MonitorCount()) : 0;
}

std::int32_t AimMonitor::GetAimMonitorIndex() {
    m_objMonitors = std::make_unique<cMonitors>();
    const std::int32_t count = m_objMonitors->MonitorCount();
    if (count == 0) return m_lngIndex = -1;
    if (count == 1) return m_lngIndex = 1;

    const std::int32_t primary = m_objMonitors->lngPrimaryIndex();
    if (primary == 1) return m_lngIndex = 2;
    if (primary == count) return m_lngIndex = count - 1;
    return m_lngIndex = primary + 1;
}

cMonitorPtr AimMonitor::chosen() const {
    return m_objMonitors ? m_objMonitors->Monitor(m_lngIndex) : nullptr;
}

std::int32_t AimMonitor::property(std::int32_t (cMonitor::*get)() const) const {
    const cMonitorPtr monitor = chosen();
    return monitor ? (monitor.get()->*get)() : 0;
}

MonitorHandle AimMonitor::hMonitor() const {
    const cMonitorPtr monitor = chosen();
    return monitor ? monitor->hMonitor() : 0;
}

QString AimMonitor::name() const {
    const cMonitorPtr monitor = chosen();
    return monitor ? monitor->name() : QString();
}

std::int32_t AimMonitor::Left() const {
    return property(&cMonitor::Left);
}

std::int32_t AimMonitor::Top() const {
    return property(&cMonitor::Top);
}

std::int32_t AimMonitor::Width() const {
    return property(&cMonitor::Width);
}

std::int32_t AimMonitor::Height() const {
    return property(&cMonitor::Height);
}

std::int32_t AimMonitor::WorkLeft() const {
    return property(&cMonitor::WorkLeft);
}

std::int32_t AimMonitor::WorkTop() const {
    return property(&cMonitor::WorkTop);
}

std::int32_t AimMonitor::WorkWidth() const {
    return property(&cMonitor::WorkWidth);
}

std::int32_t AimMonitor::WorkHeight() const {
    return property(&cMonitor::WorkHeight);
}
