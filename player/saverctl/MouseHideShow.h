#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <cstdint>

#include "timing/TimerClass.h"

// Hides the pointer once it has rested for some seconds over the full-screen video, and shows it again at
// the first movement. Every 300 ms while enabled it reads the pointer from the monitor source in force and
// the time from the clock in force; once the rest time is over it asks its listener, through tellMePlayArea,
// where the video window is, and hides the pointer only when the pointer lies inside that window, the window
// is full screen, and the window under the pointer is the video window itself (a caption match), so that the
// control panel or any other window lying over the video keeps its pointer.
//
// Hiding is one blank override cursor of the application, and showing takes exactly that one back: a hide
// and a show always balance, and the object never leaves an override behind when it is disabled or goes.
class MouseHideShow : public QObject {
    Q_OBJECT

  public:
    static constexpr std::int32_t kCheckIntervalMs = 300;

    // Disabled, hiding after 6 s of rest once enabled.
    explicit MouseHideShow(QObject* parent = nullptr);
    // Shows the pointer.
    ~MouseHideShow() override;
    MouseHideShow(const MouseHideShow&) = delete;
    MouseHideShow& operator=(const MouseHideShow&) = delete;

    std::int32_t lngBeforeHideMouseSecondNum() const { return m_lngBeforeHideMouseSecondNum; }
    void setLngBeforeHideMouseSecondNum(std::int32_t value) { m_lngBeforeHideMouseSecondNum = value; }

    bool boolEnabled() const { return m_boolEnabled; }
    // Only a change does anything: the pointer is shown, the rest time starts anew, and the check tick stops
    // (disabling) or starts again at 300 ms (enabling).
    void setBoolEnabled(bool value);

    // Whether this object holds the pointer hidden now.
    bool boolMouseHidden() const { return m_boolMouseHidden; }

    // The check, on each tick of the timer.
    void m_objTC_ItsTime();

  signals:
    // The listener fills in the video window's rectangle in pixels, whether it is full screen, and its
    // caption. Left unanswered, the rectangle is empty and the pointer never hides.
    void tellMePlayArea(int& lngLeft, int& lngTop, int& lngWidth, int& lngHeight, bool& boolMaxSize,
                        QString& strCaption);

  private:
    void hidePointer();
    void showPointer();

    std::int32_t m_lngBeforeHideMouseSecondNum = 6;
    bool m_boolEnabled = false;
    TimerClass m_objTC;
    int m_lngLastX = 0;
    int m_lngLastY = 0;
    // Clock time of the last movement or reset; -1 until the first tick after enabling has seen the pointer.
    std::int64_t m_lngLastMoveMs = -1;
    std::int32_t m_lngCheckIntervalMs = kCheckIntervalMs;
    bool m_boolMouseHidden = false;
};
