#pragma once

#include "MonitorSource.h"

// The monitors as Qt reports its screens, and Qt's pointer position: geometry, available geometry, the
// primary screen, Qt's order. The handle is the screen object's address, stable while the screen stays
// connected.
class QtMonitorSource : public MonitorSource {
  public:
    std::vector<MonitorInfo> monitors() const override;
    QPoint pointerPosition() const override;
};
