#include "MouseKeyboardCheck.h"

#include <optional>

#include "platform/Clock.h"
#include "platform/LastInputSource.h"

namespace {
// Whole seconds of a span of milliseconds, halves to the even neighbour (300.5 s -> 300, 301.5 s -> 302).
std::int64_t secondsRoundedHalfEven(std::int64_t milliseconds) {
    std::int64_t seconds = milliseconds / 1000;
    const std::int64_t rest = milliseconds % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 != 0)) ++seconds;
    return seconds;
}
}  // namespace

MouseKeyboardCheck::MouseKeyboardCheck(QObject* parent) : QObject(parent) {
    m_objTimer.setLngInterval(m_lngCheckMilliSecondsValue);
    connect(&m_objTimer, &TimerClass::ItsTime, this, &MouseKeyboardCheck::m_objTimer_ItsTime);
}

MouseKeyboardCheck::~MouseKeyboardCheck() {
    m_objTimer.setBoolEnabled(false);
}

void MouseKeyboardCheck::setLngCheckMilliSecondsValue(std::int32_t value) {
    m_lngCheckMilliSecondsValue = value;
    if (m_objTimer.boolEnabled()) {
        m_objTimer.setBoolEnabled(false);
        m_objTimer.setLngInterval(value);
        m_objTimer.setBoolEnabled(true);
    } else {
        m_objTimer.setLngInterval(value);
    }
}

void MouseKeyboardCheck::setLngFreeMinute(std::int32_t value) {
    if (value != m_lngFreeMinute && value >= 1) m_lngFreeMinute = value;
}

void MouseKeyboardCheck::setLngWorkState(std::int32_t value) {
    if (value == m_lngWorkState) return;
    if (value == kWaitForActivity || value == kWaitForIdleness) {
        const std::optional<std::int64_t> lastInput = currentLastInputSource().lastInputTime();
        if (!lastInput) return;
        const bool wasStopped = m_lngWorkState == kStopped;
        m_lngLastInputTick = *lastInput;
        m_lngWorkState = value;
        if (wasStopped) m_objTimer.setBoolEnabled(true);
    } else if (value == kStopped) {
        m_lngWorkState = kStopped;
        m_objTimer.setBoolEnabled(false);
    }
}

void MouseKeyboardCheck::m_objTimer_ItsTime() {
    const std::optional<std::int64_t> lastInput = currentLastInputSource().lastInputTime();
    if (!lastInput) return;
    if (m_lngWorkState == kWaitForActivity) {
        if (*lastInput == m_lngLastInputTick) return;
        m_lngWorkState = kWaitForIdleness;
        m_lngLastInputTick = *lastInput;
        emit UserIsActive();
    } else if (m_lngWorkState == kWaitForIdleness) {
        m_lngLastInputTick = *lastInput;
        const std::int64_t now = currentClock().nowMilliseconds();
        const std::int64_t idleMilliseconds =
            now >= m_lngLastInputTick ? now - m_lngLastInputTick : m_lngLastInputTick - now;
        if (secondsRoundedHalfEven(idleMilliseconds) > std::int64_t{m_lngFreeMinute} * 60) {
            m_lngWorkState = kWaitForActivity;
            emit ComputerIsIdle();
        }
    }
}
