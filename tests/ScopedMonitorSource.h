#pragma once

#include <memory>
#include <vector>

#include "monitors/ListMonitorSource.h"

// Installs a list of monitors as the process-wide source for the lifetime of the object, then puts the
// previous source back.
class ScopedMonitorSource {
  public:
    explicit ScopedMonitorSource(std::vector<MonitorInfo> list = {})
        : m_source(std::make_shared<ListMonitorSource>(std::move(list))),
          m_previous(setCurrentMonitorSource(m_source)) {}
    ~ScopedMonitorSource() { setCurrentMonitorSource(m_previous); }
    ScopedMonitorSource(const ScopedMonitorSource&) = delete;
    ScopedMonitorSource& operator=(const ScopedMonitorSource&) = delete;

    ListMonitorSource& source() { return *m_source; }

  private:
    std::shared_ptr<ListMonitorSource> m_source;
    std::shared_ptr<MonitorSource> m_previous;
};
