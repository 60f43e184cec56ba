#pragma once

#include <QRect>
#include <QWidget>

// The native window the GStreamer video sink draws into. It takes no mouse input of its own: clicks fall
// through to the parent (the screen window). It tells its engine when its size or native window changes,
// and before its native window goes away, so that the sink never draws into a destroyed window.
class VideoOverlayWidget : public QWidget {
    Q_OBJECT
  public:
    explicit VideoOverlayWidget(QWidget* parent = nullptr);
    ~VideoOverlayWidget() override;

    // The client area in device pixels, as the video sink measures it.
    QRect deviceRect() const;

  signals:
    void resized();
    void nativeWindowChanged();
    void aboutToBeDestroyed();

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
