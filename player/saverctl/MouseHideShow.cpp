#include "MouseHideShow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QWindow>

#include "platform/Clock.h"
#include "platform/MonitorSource.h"

namespace {
// Whether the window under the point, or one of the windows it lies in, carries the caption (compared
// without regard to case; an empty caption matches nothing). Windows of other programs are none of ours.
bool windowUnderPointCarries(const QPoint& point, const QString& caption) {
    if (caption.isEmpty()) return false;
    for (const QWindow* window = QGuiApplication::topLevelAt(point); window; window = window->parent()) {
        if (window->title().compare(caption, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}
}  // namespace

MouseHideShow::MouseHideShow(QObject* parent) : QObject(parent) {
    connect(&m_objTC, &TimerClass::ItsTime, this, &MouseHideShow::m_objTC_ItsTime);
}

MouseHideShow::~MouseHideShow() {
    m_objTC.setBoolEnabled(false);
    showPointer();
}

void MouseHideShow::setBoolEnabled(bool value) {
    if (value == m_boolEnabled) return;
    m_boolEnabled = value;
    showPointer();
    m_lngLastMoveMs = -1;
    m_objTC.setBoolEnabled(false);
    if (value) {
        m_objTC.setLngInterval(m_lngCheckIntervalMs);
        m_objTC.setBoolEnabled(true);
    }
}

void MouseHideShow::m_objTC_ItsTime() {
    if (!m_boolEnabled) return;
    const QPoint pointer = currentMonitorSource().pointerPosition();
    const std::int64_t now = currentClock().nowMilliseconds();
    // The first look after enabling starts the rest time where the pointer is.
    if (m_lngLastMoveMs < 0 || pointer.x() != m_lngLastX || pointer.y() != m_lngLastY) {
        m_lngLastX = pointer.x();
        m_lngLastY = pointer.y();
        m_lngLastMoveMs = now;
        showPointer();
        return;
    }
    const std::int64_t restMs = now >= m_lngLastMoveMs ? now - m_lngLastMoveMs : m_lngLastMoveMs - now;
    if (restMs <= std::int64_t{m_lngBeforeHideMouseSecondNum} * 1000) return;

    int left = 0, top = 0, width = 0, height = 0;
    bool boolMaxSize = false;
    QString caption;
    emit tellMePlayArea(left, top, width, height, boolMaxSize, caption);
    const bool inside = left <= pointer.x() && pointer.x() <= left + width && top <= pointer.y() &&
                        pointer.y() <= top + height;
    if (!inside || !boolMaxSize) {
        m_lngLastMoveMs = now;
        return;
    }
    if (m_boolMouseHidden) return;
    if (windowUnderPointCarries(pointer, caption)) {
        hidePointer();
    } else {
        m_lngLastMoveMs = now;
    }
}

void MouseHideShow::hidePointer() {
    if (m_boolMouseHidden) return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    m_boolMouseHidden = true;
}

void MouseHideShow::showPointer() {
    if (!m_boolMouseHidden) return;
    m_boolMouseHidden = false;
    QGuiApplication::restoreOverrideCursor();
}
