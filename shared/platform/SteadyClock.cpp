#include "SteadyClock.h"

#include <chrono>

std::int64_t SteadyClock::nowMilliseconds() const {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
}
