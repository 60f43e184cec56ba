#include "TimerClass.h"

#include "MTimer.h"
#include "TimerEvent.h"

TimerClass::TimerClass(QObject* parent) : QObject(parent) {}

TimerClass::~TimerClass() {
    if (m_boolEnabled) switchOff();
}

void TimerClass::setLngInterval(std::int32_t value) {
    if (m_boolEnabled || value <= 0) return;
    m_lngInterval = value;
}

void TimerClass::setBoolEnabled(bool value) {
    if (value == m_boolEnabled) return;
    m_boolEnabled = value;
    if (!value) {
        switchOff();
        return;
    }
    m_lngTimerID = MTimer::lngSetTimer(m_lngInterval);
    if (m_lngTimerID == 0) {
        m_boolEnabled = false;
        return;
    }
    m_objTE = std::make_shared<TimerEvent>();
    connect(m_objTE.get(), &TimerEvent::ItsTimeToRaiseEvent, this, &TimerClass::m_objTE_ItsTimeToRaiseEvent);
    MTimer::colTimerEvents()[MTimer::strTimerKey(m_lngTimerID)] = m_objTE;
}

void TimerClass::switchOff() {
    MTimer::KillTimer(m_lngTimerID);
    MTimer::colTimerEvents().erase(MTimer::strTimerKey(m_lngTimerID));
    if (m_objTE) disconnect(m_objTE.get(), nullptr, this, nullptr);
    m_objTE.reset();
    m_lngTimerID = 0;
}
