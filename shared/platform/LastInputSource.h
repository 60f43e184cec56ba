#pragma once

#include <cstdint>
#include <optional>

// Where the idle detector learns when the user last pressed a key or moved or clicked the mouse: the X
// server in the programs, a value set by hand in tests.
class LastInputSource {
  public:
    virtual ~LastInputSource() = default;

    // The time of the last keyboard or mouse input, in milliseconds of the clock in force (currentClock()),
    // or none when it cannot be told. While no input arrives, the answer stays the same value.
    virtual std::optional<std::int64_t> lastInputTime() = 0;
};

// The last-input source of the services in force.
LastInputSource& currentLastInputSource();
