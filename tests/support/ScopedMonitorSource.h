#pragma once

#include <memory>
#include <vector>

#include "platform/Services.h"
#include "support/ListMonitorSource.h"

// Installs a list of monitors as the monitor source for the lifetime of the object, then puts the previous
// source back.
class ScopedMonitorSource {
  public:
    explicit ScopedMonitorSource(std::vector<MonitorInfo> list = {})
        : m_source(std::make_shared<ListMonitorSource>(std::move(list))),
          m_scope(Services{.monitorSource = m_source}) {}

    ListMonitorSource& source() { return *m_source; }

  private:
    std::shared_ptr<ListMonitorSource> m_source;
    ScopedServices m_scope;
};
