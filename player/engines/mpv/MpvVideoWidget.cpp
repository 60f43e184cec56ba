#include "MpvVideoWidget.h"

#include <QEvent>
#include <QPalette>
#include <QPlatformSurfaceEvent>

MpvVideoWidget::MpvVideoWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

// Past this destructor the widget no longer sees its own events, and QWidget's destroys the native window.
MpvVideoWidget::~MpvVideoWidget() {
    emit nativeWindowAboutToGo();
}

// The native window's own events reach the widget too, the one before it is destroyed included.
bool MpvVideoWidget::event(QEvent* event) {
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
        emit nativeWindowAboutToGo();
    } else if (event->type() == QEvent::WinIdChange) {
        emit nativeWindowChanged();
    }
    return QWidget::event(event);
}
