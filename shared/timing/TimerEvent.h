#pragma once

#include <QObject>

// The relay between a running thread timer and its TimerClass: the registry of MTimer holds it under the
// timer's key, its TimerClass listens to it. It knows nothing of the TimerClass, so the registry never keeps
// a timer's client alive.
class TimerEvent : public QObject {
    Q_OBJECT

  public:
    // Raises ItsTimeToRaiseEvent; called by MTimer's TimerProc for one tick.
    void raiseTimeEvent() { emit ItsTimeToRaiseEvent(); }

  signals:
    void ItsTimeToRaiseEvent();
};
