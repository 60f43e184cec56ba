#pragma once

#include <cstdint>

#include "platform/Clock.h"

// A clock that stands still until a test moves it.
class ManualClock : public Clock {
  public:
    explicit ManualClock(std::int64_t start = 0) : m_now(start) {}

    std::int64_t nowMilliseconds() const override { return m_now; }
    void setNow(std::int64_t milliseconds) { m_now = milliseconds; }
    void advance(std::int64_t milliseconds) { m_now += milliseconds; }

  private:
    std::int64_t m_now;
};
