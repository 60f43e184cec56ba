#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <memory>

class TimerEvent;

// The thread timers behind TimerClass and the registry of their relays. A thread timer is a Qt timer of one
// hidden object on the user-interface thread; each of its ticks reaches TimerProc with the timer's id, and
// TimerProc finds the timer's relay by its key.
namespace MTimer {
using TimerEvents = std::map<QString, std::shared_ptr<TimerEvent>>;

// The relays of the running timers by key; made on first use and never destroyed.
TimerEvents& colTimerEvents();

// The key of a timer: the decimal id followed by "K" (id 5 gives "5K").
QString strTimerKey(std::int32_t lngTimerID);

// Starts a periodic timer of lngInterval milliseconds whose ticks call TimerProc; answers its id, or 0 when
// no timer can run: no application yet, a thread other than the one of the first timer, an interval below 0.
std::int32_t lngSetTimer(std::int32_t lngInterval);
// Stops the timer of that id; an id that runs no timer is left alone.
void KillTimer(std::int32_t lngTimerID);

// One tick of the timer lngTimerID: raises its relay's event when the registry holds one. A tick without a
// relay (a late one after the timer stopped) and anything a client's handler throws are swallowed, so the
// timer keeps running.
void TimerProc(std::int32_t lngTimerID);
}  // namespace MTimer
