#pragma once

#include "Clock.h"

// The system's monotonic clock (std::chrono::steady_clock, the time since start-up on Linux), in whole
// milliseconds.
class SteadyClock : public Clock {
  public:
    std::int64_t nowMilliseconds() const override;
};
