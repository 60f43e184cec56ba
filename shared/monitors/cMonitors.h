#pragma once

#include <cstdint>
#include <vector>

#include "cMonitor.h"

class QWidget;
class QWindow;

// All monitors in enumeration order (indices 1..MonitorCount), plus facts about the virtual screen that
// covers them. The list is taken on construction and again on each Refresh; DisplayMonitorCount,
// VirtualScreenWidth/Height and AllMonitorsSame look at the monitors as they are now.
class cMonitors {
  public:
    cMonitors() { Refresh(); }

    // All monitors show the same pixel format.
    bool AllMonitorsSame() const;
    // A new cMonitor for the monitor containing the point, or nothing.
    cMonitorPtr MonitorForPoint(std::int32_t x, std::int32_t y) const;
    // A new cMonitor for the monitor holding most of the window, or nothing when it lies on none.
    cMonitorPtr MonitorForWindow(const QWidget* window) const;
    cMonitorPtr MonitorForWindow(const QWindow* window) const;
    // The smallest Left and Top of the enumerated monitors (0 without monitors).
    std::int32_t VirtualScreenLeft() const;
    std::int32_t VirtualScreenTop() const;
    // The size of the rectangle bounding all monitors.
    std::int32_t VirtualScreenWidth() const;
    std::int32_t VirtualScreenHeight() const;
    std::int32_t DisplayMonitorCount() const;
    std::int32_t MonitorCount() const { return static_cast<std::int32_t>(m_monitors.size()); }
    // Index 1..MonitorCount; nothing outside.
    cMonitorPtr Monitor(std::int32_t index) const;
    // The index of the first primary monitor, 0 when none is.
    std::int32_t lngPrimaryIndex() const;
    void Refresh();

  private:
    void addMonitor(const MonitorInfo& info);

    std::vector<cMonitorPtr> m_monitors;
};
