#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "platform/MonitorSource.h"

// One monitor: where it is, where its work area is, whether it is the primary. Pixels of the virtual screen,
// so a monitor left of the primary has a negative Left.
class cMonitor {
  public:
    explicit cMonitor(const MonitorInfo& info) : m_info(info) {}

    bool IsPrimary() const { return m_info.IsPrimary; }
    MonitorHandle hMonitor() const { return m_info.hMonitor; }
    const QString& name() const { return m_info.name; }
    std::int32_t Left() const { return m_info.rcMonitor.left(); }
    std::int32_t Top() const { return m_info.rcMonitor.top(); }
    std::int32_t Width() const { return m_info.rcMonitor.width(); }
    std::int32_t Height() const { return m_info.rcMonitor.height(); }
    std::int32_t WorkLeft() const { return m_info.rcWork.left(); }
    std::int32_t WorkTop() const { return m_info.rcWork.top(); }
    std::int32_t WorkWidth() const { return m_info.rcWork.width(); }
    std::int32_t WorkHeight() const { return m_info.rcWork.height(); }

  private:
    MonitorInfo m_info;
};

using cMonitorPtr = std::shared_ptr<cMonitor>;
