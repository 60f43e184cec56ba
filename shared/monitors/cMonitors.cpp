#include "cMonitors.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
QRect virtualScreen() {
    QRect bounds;
    for (const MonitorInfo& monitor : currentMonitorSource().monitors()) bounds |= monitor.rcMonitor;
    return bounds;
}

cMonitorPtr newMonitor(const std::optional<MonitorInfo>& info) {
    return info ? std::make_shared<cMonitor>(*info) : nullptr;
}
}  // namespace

bool cMonitors::AllMonitorsSame() const {
    const std::vector<MonitorInfo> list = currentMonitorSource().monitors();
    return std::all_of(list.begin(), list.end(),
                       [&](const MonitorInfo& monitor) { return monitor.depth == list.front().depth; });
}

cMonitorPtr cMonitors::MonitorForPoint(std::int32_t x, std::int32_t y) const {
    return newMonitor(currentMonitorSource().monitorAt(QPoint(x, y)));
}

cMonitorPtr cMonitors::MonitorForWindow(const QWidget* window) const {
    if (!window) return nullptr;
    const QRect rect = window->isWindow() ? window->frameGeometry()
                                          : QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    return newMonitor(currentMonitorSource().monitorFor(rect));
}

cMonitorPtr cMonitors::MonitorForWindow(const QWindow* window) const {
    if (!window) return nullptr;
    const QRect rect = window->isTopLevel() ? window->frameGeometry()
                                            : QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    return newMonitor(currentMonitorSource().monitorFor(rect));
}

std::int32_t cMonitors::VirtualScreenLeft() const {
    if (m_monitors.empty()) return 0;
    std::int32_t left = m_monitors.front()->Left();
    for (const cMonitorPtr& monitor : m_monitors) left = std::min(left, monitor->Left());
    return left;
}

std::int32_t cMonitors::VirtualScreenTop() const {
    if (m_monitors.empty()) return 0;
    std::int32_t top = m_monitors.front()->Top();
    for (const cMonitorPtr& monitor : m_monitors) top = std::min(top, monitor->Top());
    return top;
}

std::int32_t cMonitors::VirtualScreenWidth() const {
    return virtualScreen().width();
}

std::int32_t cMonitors::VirtualScreenHeight() const {
    return virtualScreen().height();
}

std::int32_t cMonitors::DisplayMonitorCount() const {
    return static_cast<std::int32_t>(currentMonitorSource().monitors().size());
}

cMonitorPtr cMonitors::Monitor(std::int32_t index) const {
    if (index < 1 || index > MonitorCount()) return nullptr;
    return m_monitors[index - 1];
}

std::int32_t cMonitors::lngPrimaryIndex() const {
    for (std::int32_t i = 1; i <= MonitorCount(); ++i) {
        if (m_monitors[i - 1]->IsPrimary()) return i;
    }
    return 0;
}

void cMonitors::Refresh() {
    m_monitors.clear();
    for (const MonitorInfo& info : currentMonitorSource().monitors()) addMonitor(info);
}

void cMonitors::addMonitor(const MonitorInfo& info) {
    m_monitors.push_back(std::make_shared<cMonitor>(info));
}
