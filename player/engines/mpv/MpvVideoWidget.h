#pragma once

#include <QWidget>

// The native window mpv draws into, black where there is no picture. It takes no mouse input of its own:
// clicks fall through to the parent (the screen window). It tells its engine before its native window goes
// away (with the widget, or alone, as when a parent's native window is made anew) and when it has another,
// so that mpv lets go of a window while it still exists and moves to the next.
class MpvVideoWidget : public QWidget {
    Q_OBJECT
  public:
    explicit MpvVideoWidget(QWidget* parent = nullptr);
    ~MpvVideoWidget() override;

  signals:
    void nativeWindowChanged();
    void nativeWindowAboutToGo();

  protected:
    bool event(QEvent* event) override;
};
