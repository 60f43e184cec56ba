#pragma once

#include <cstdint>
#include <vector>

#include "cMonitor.h"

// The monitors in the order users see them in menus: the primary first, the others in enumeration order
// after it. Empty until GetMonitorArray fills it.
class cMonitors2 {
  public:
    void GetMonitorArray();
    // The highest filled index, 0 when empty.
    std::int32_t lngMonitorsCount() const;
    // Index 1..lngMonitorsCount; nothing outside.
    cMonitorPtr objGetAMonitorByIndex(std::int32_t index) const;

  private:
    std::vector<cMonitorPtr> m_monitors;  // index 0 holds nothing
};
