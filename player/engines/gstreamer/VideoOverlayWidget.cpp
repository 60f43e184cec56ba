#include "VideoOverlayWidget.h"

#include <QEvent>
#include <QPalette>

VideoOverlayWidget::VideoOverlayWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

VideoOverlayWidget::~VideoOverlayWidget() {
    emit aboutToBeDestroyed();
}

QRect VideoOverlayWidget::deviceRect() const {
    const qreal ratio = devicePixelRatioF();
    return {0, 0, qRound(width() * ratio), qRound(height() * ratio)};
}

bool VideoOverlayWidget::event(QEvent* event) {
    if (event->type() == QEvent::WinIdChange) emit nativeWindowChanged();
    return QWidget::event(event);
}

void VideoOverlayWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}
