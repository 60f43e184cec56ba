#include "MonitorSource.h"

#include "Services.h"

namespace {
std::int64_t area(const QRect& rect) {
    return rect.isEmpty() ? 0 : std::int64_t{rect.width()} * rect.height();
}
}  // namespace

std::optional<MonitorInfo> MonitorSource::monitorAt(const QPoint& point) const {
    for (const MonitorInfo& monitor : monitors()) {
        if (monitor.rcMonitor.contains(point)) return monitor;
    }
    return std::nullopt;
}

std::optional<MonitorInfo> MonitorSource::monitorFor(const QRect& rect) const {
    std::optional<MonitorInfo> best;
    std::int64_t bestArea = 0;
    for (const MonitorInfo& monitor : monitors()) {
        const std::int64_t shared = area(monitor.rcMonitor.intersected(rect));
        if (shared > bestArea) {
            bestArea = shared;
            best = monitor;
        }
    }
    return best;
}

MonitorSource& currentMonitorSource() {
    return *services().monitorSource;
}
