#pragma once

#include <optional>
#include <utility>

#include "platform/MonitorSource.h"

// A monitor whose work area is all of it.
MonitorInfo monitorInfo(const char* name, QRect rect, bool primary = false);

// A fixed list of monitors, changed only by setMonitors, and a pointer that stays where it is put (Qt's own
// pointer until it is put anywhere).
class ListMonitorSource : public MonitorSource {
  public:
    ListMonitorSource() = default;
    explicit ListMonitorSource(std::vector<MonitorInfo> list) { setMonitors(std::move(list)); }

    // An entry without a handle gets its position in the list + 1.
    void setMonitors(std::vector<MonitorInfo> list);
    std::vector<MonitorInfo> monitors() const override { return m_monitors; }
    void setPointerPosition(const QPoint& point) { m_pointer = point; }
    QPoint pointerPosition() const override;

  private:
    std::vector<MonitorInfo> m_monitors;
    std::optional<QPoint> m_pointer;
};
