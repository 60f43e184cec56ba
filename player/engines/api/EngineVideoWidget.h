#pragma once

#include <QRect>
#include <QWidget>

// The native window an engine draws its video into, black where there is no picture. It takes no mouse
// input of its own: clicks fall through to the parent (the screen window). It tells its engine when its size
// or native window changes and before its native window goes away (with the widget, or alone, as when a
// parent's native window is made anew), so that an engine never draws into a window that no longer exists.
class EngineVideoWidget : public QWidget {
    Q_OBJECT
  public:
    explicit EngineVideoWidget(QWidget* parent = nullptr);
    ~EngineVideoWidget() override;

    // The client area in device pixels, as video sinks measure it.
    QRect deviceRect() const;

  signals:
    void resized();
    void nativeWindowChanged();
    // The native window is about to go, alone or with the widget.
    void nativeWindowAboutToGo();
    // The widget itself is about to go.
    void aboutToBeDestroyed();

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
