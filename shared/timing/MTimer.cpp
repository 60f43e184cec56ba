#include "MTimer.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimerEvent>

#include "TimerEvent.h"

namespace {
// Owns the thread timers: Qt delivers their ticks to this object, on the thread it was made on.
class ThreadTimers : public QObject {
  protected:
    void timerEvent(QTimerEvent* event) override { MTimer::TimerProc(event->timerId()); }
};

// Made on the first timer and never destroyed, like the registry: a late tick never finds it gone.
ThreadTimers& threadTimers() {
    static ThreadTimers* const timers = new ThreadTimers;
    return *timers;
}
}  // namespace

namespace MTimer {
TimerEvents& colTimerEvents() {
    static TimerEvents* const events = new TimerEvents;
    return *events;
}

QString strTimerKey(std::int32_t lngTimerID) {
    return QString::number(lngTimerID) + QLatin1Char('K');
}

std::int32_t lngSetTimer(std::int32_t lngInterval) {
    if (lngInterval < 0 || !QCoreApplication::instance()) return 0;
    ThreadTimers& timers = threadTimers();
    if (timers.thread() != QThread::currentThread()) return 0;
    return timers.startTimer(lngInterval);
}

void KillTimer(std::int32_t lngTimerID) {
    if (lngTimerID == 0) return;
    ThreadTimers& timers = threadTimers();
    if (timers.thread() == QThread::currentThread()) timers.killTimer(lngTimerID);
}

void TimerProc(std::int32_t lngTimerID) {
    TimerEvents& events = colTimerEvents();
    if (events.empty()) return;
    try {
        const auto found = events.find(strTimerKey(lngTimerID));
        if (found == events.end()) return;
        // Held here while the clients' handlers run: one of them may stop the timer and drop its entry.
        const std::shared_ptr<TimerEvent> relay = found->second;
        relay->raiseTimeEvent();
    } catch (...) {
        // The tick is lost; the timer runs on.
    }
}
}  // namespace MTimer
