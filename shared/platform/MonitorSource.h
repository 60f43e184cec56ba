#pragma once

#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

using MonitorHandle = std::intptr_t;

// One monitor as the windowing system describes it; rectangles in pixels of the virtual screen.
struct MonitorInfo {
    MonitorHandle hMonitor = 0;
    QString name;
    QRect rcMonitor;
    QRect rcWork;  // without task bars and panels
    bool IsPrimary = false;
    int depth = 24;  // bits per pixel
};

// Where the monitor classes learn which monitors there are and where the pointer is: the windowing system in
// the programs, a fixed list in tests.
class MonitorSource {
  public:
    virtual ~MonitorSource() = default;

    // All monitors in the system's stable enumeration order.
    virtual std::vector<MonitorInfo> monitors() const = 0;
    // The pointer's position in pixels of the virtual screen.
    virtual QPoint pointerPosition() const = 0;

    // The first monitor whose rectangle contains the point, or none.
    std::optional<MonitorInfo> monitorAt(const QPoint& point) const;
    // The monitor sharing the largest area with the rectangle (the first of equals), or none when the
    // rectangle touches no monitor.
    std::optional<MonitorInfo> monitorFor(const QRect& rect) const;
};

// The monitor source of the services in force.
MonitorSource& currentMonitorSource();
