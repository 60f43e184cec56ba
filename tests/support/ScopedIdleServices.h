#pragma once

#include <cstdint>
#include <memory>

#include "platform/Services.h"
#include "support/ManualClock.h"
#include "support/ManualLastInputSource.h"

// Installs a hand-moved clock and a hand-set last input for the lifetime of the object, then puts the
// previous ones back. The user last gave input at the clock's start.
class ScopedIdleServices {
  public:
    explicit ScopedIdleServices(std::int64_t start = 0)
        : m_clock(std::make_shared<ManualClock>(start)),
          m_input(std::make_shared<ManualLastInputSource>()),
          m_scope(Services{.clock = m_clock, .lastInputSource = m_input}) {
        m_input->setLastInput(start);
    }

    ManualClock& clock() { return *m_clock; }
    ManualLastInputSource& input() { return *m_input; }
    // Input from the user now.
    void touch() { m_input->setLastInput(m_clock->nowMilliseconds()); }

  private:
    std::shared_ptr<ManualClock> m_clock;
    std::shared_ptr<ManualLastInputSource> m_input;
    ScopedServices m_scope;
};
