#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "cMonitors.h"

// The monitor the video goes to by default: the one after the primary in enumeration order, or the one
// before it when the primary is last. The properties describe that monitor once GetAimMonitorIndex has
// chosen one; before that, and without monitors, they are 0 and empty.
class AimMonitor {
  public:
    std::int16_t intMonitorCount() const;
    // Enumerates the monitors and answers the chosen index in enumeration order (1-based), -1 without
    // monitors.
    std::int32_t GetAimMonitorIndex();

    MonitorHandle hMonitor() const;
    QString name() const;
    std::int32_t Left() const;
    std::int32_t Top() const;
    std::int32_t Width() const;
    std::int32_t Height() const;
    std::int32_t WorkLeft() const;
    std::int32_t WorkTop() const;
    std::int32_t WorkWidth() const;
    std::int32_t WorkHeight() const;

  private:
    cMonitorPtr chosen() const;
    std::int32_t property(std::int32_t (cMonitor::*get)() const) const;

    std::unique_ptr<cMonitors> m_objMonitors;
    std::int32_t m_lngIndex = -1;
};
