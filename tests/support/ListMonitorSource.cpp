#include "ListMonitorSource.h"

#include <QCursor>

MonitorInfo monitorInfo(const char* name, QRect rect, bool primary) {
    return MonitorInfo{
        .name = QString::fromLatin1(name), .rcMonitor = rect, .rcWork = rect, .IsPrimary = primary};
}

void ListMonitorSource::setMonitors(std::vector<MonitorInfo> list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].hMonitor == 0) list[i].hMonitor = static_cast<MonitorHandle>(i + 1);
    }
    m_monitors = std::move(list);
}

QPoint ListMonitorSource::pointerPosition() const {
    return m_pointer ? *m_pointer : QCursor::pos();
}
