#pragma once

#include <utility>

#include "MonitorSource.h"

// A fixed list of monitors, changed only by setMonitors.
class ListMonitorSource : public MonitorSource {
  public:
    ListMonitorSource() = default;
    explicit ListMonitorSource(std::vector<MonitorInfo> list) { setMonitors(std::move(list)); }

    // An entry without a handle gets its position in the list + 1.
    void setMonitors(std::vector<MonitorInfo> list);
    std::vector<MonitorInfo> monitors() const override { return m_monitors; }

  private:
    std::vector<MonitorInfo> m_monitors;
};
