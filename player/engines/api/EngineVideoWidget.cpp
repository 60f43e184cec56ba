#include "EngineVideoWidget.h"

#include <QEvent>
#include <QPalette>
#include <QPlatformSurfaceEvent>

EngineVideoWidget::EngineVideoWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

// Past this destructor the widget no longer sees its own events, and QWidget's destroys the native window.
EngineVideoWidget::~EngineVideoWidget() {
    emit nativeWindowAboutToGo();
    emit aboutToBeDestroyed();
}

QRect EngineVideoWidget::deviceRect() const {
    const qreal ratio = devicePixelRatioF();
    return {0, 0, qRound(width() * ratio), qRound(height() * ratio)};
}

// The native window's own events reach the widget too, the one before it is destroyed included.
bool EngineVideoWidget::event(QEvent* event) {
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        emit nativeWindowAboutToGo();
    } else if (event->type() == QEvent::WinIdChange) {
        emit nativeWindowChanged();
    }
    return QWidget::event(event);
}

void EngineVideoWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}
