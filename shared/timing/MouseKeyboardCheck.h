#pragma once

#include <QObject>
#include <cstdint>

#include "TimerClass.h"

// Decides whether the user is idle or active by reading the last keyboard or mouse input on every tick of
// its polling timer. It watches one direction at a time: waiting for idleness it raises ComputerIsIdle once
// no input has come for more than lngFreeMinute minutes; waiting for activity it raises UserIsActive at the
// first new input. Each event turns it to the other direction, so a client that leaves it alone hears idle,
// active, idle, ... in turn.
//
// Times are 64-bit milliseconds of the clock in force (currentClock()), as is the last input from the
// last-input source in force: no polling step is lost to an overflowing or wrapping tick count.
class MouseKeyboardCheck : public QObject {
    Q_OBJECT

  public:
    static constexpr std::int32_t kWaitForActivity = 1;
    static constexpr std::int32_t kWaitForIdleness = 2;
    static constexpr std::int32_t kStopped = 3;

    // Stopped, polling every 1000 ms once started, idle after 1 minute.
    explicit MouseKeyboardCheck(QObject* parent = nullptr);
    ~MouseKeyboardCheck() override;

    std::int32_t lngCheckMilliSecondsValue() const { return m_lngCheckMilliSecondsValue; }
    // Stores the polling period and hands it to the timer, restarting a running timer to take it. A period
    // the timer refuses (0 or less) is stored here while the timer keeps its old one.
    void setLngCheckMilliSecondsValue(std::int32_t value);

    std::int32_t lngFreeMinute() const { return m_lngFreeMinute; }
    // The idle threshold in minutes; values below 1 are ignored.
    void setLngFreeMinute(std::int32_t value);

    // 1 waiting for activity, 2 waiting for idleness, 3 stopped.
    std::int32_t lngWorkState() const { return m_lngWorkState; }
    // Leaving "stopped" records the last input and starts polling; turning between 1 and 2 records it
    // again; 3 stops polling. The state in force and values other than 1, 2 and 3 do nothing, and so does
    // a change to 1 or 2 while the last input cannot be told.
    void setLngWorkState(std::int32_t value);

    // The polling step, on each tick of the timer.
    void m_objTimer_ItsTime();

  signals:
    void UserIsActive();
    void ComputerIsIdle();

  private:
    std::int32_t m_lngCheckMilliSecondsValue = 1000;
    std::int32_t m_lngFreeMinute = 1;
    std::int32_t m_lngWorkState = kStopped;
    std::int64_t m_lngLastInputTick = 0;
    TimerClass m_objTimer;
};
