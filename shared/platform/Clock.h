#pragma once

#include <cstdint>

// The time base of the timers and the idle detector: 64-bit milliseconds of a monotonic clock, so that no
// difference of two readings ever overflows or wraps. The desktop's steady clock in the programs, a clock
// that tests move by hand.
class Clock {
  public:
    virtual ~Clock() = default;

    // Milliseconds since a fixed point in the past; never goes backwards.
    virtual std::int64_t nowMilliseconds() const = 0;
};

// The clock of the services in force.
Clock& currentClock();
