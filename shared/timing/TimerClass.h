#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

class TimerEvent;

// A periodic timer for classes that own no window: raises ItsTime every lngInterval milliseconds while
// boolEnabled is true, on the thread that switched it on. A new timer is off with an interval of 1000 ms.
// While on, it has exactly one thread timer (MTimer) and one relay in MTimer's registry under its key.
class TimerClass : public QObject {
    Q_OBJECT

  public:
    explicit TimerClass(QObject* parent = nullptr);
    // Stops a running timer and takes its relay out of the registry.
    ~TimerClass() override;
    TimerClass(const TimerClass&) = delete;
    TimerClass& operator=(const TimerClass&) = delete;

    std::int32_t lngInterval() const { return m_lngInterval; }
    // Taken only while the timer is off and only above 0; anything else is ignored. A running timer keeps
    // its period until it is switched off and on again.
    void setLngInterval(std::int32_t value);

    bool boolEnabled() const { return m_boolEnabled; }
    // Switches the timer on or off; the value it already has does nothing. When no thread timer can be
    // started, the timer stays off and nothing is said.
    void setBoolEnabled(bool value);

    // The id of the running thread timer; 0 while off.
    std::int32_t lngTimerID() const { return m_lngTimerID; }

  signals:
    void ItsTime();

  private:
    void m_objTE_ItsTimeToRaiseEvent() { emit ItsTime(); }
    void switchOff();

    std::int32_t m_lngInterval = 1000;
    bool m_boolEnabled = false;
    std::int32_t m_lngTimerID = 0;
    std::shared_ptr<TimerEvent> m_objTE;
};
