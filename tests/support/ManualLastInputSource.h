#pragma once

#include <cstdint>
#include <optional>

#include "platform/LastInputSource.h"

// A last input that a test sets: a time of its clock, or none for a source that cannot tell.
class ManualLastInputSource : public LastInputSource {
  public:
    std::optional<std::int64_t> lastInputTime() override { return m_lastInput; }
    void setLastInput(std::optional<std::int64_t> milliseconds) { m_lastInput = milliseconds; }

  private:
    std::optional<std::int64_t> m_lastInput = 0;
};
