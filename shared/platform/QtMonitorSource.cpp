#include "QtMonitorSource.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

std::vector<MonitorInfo> QtMonitorSource::monitors() const {
    std::vector<MonitorInfo> result;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        result.push_back(MonitorInfo{
            .hMonitor = reinterpret_cast<MonitorHandle>(screen),
            .name = screen->name(),
            .rcMonitor = screen->geometry(),
            .rcWork = screen->availableGeometry(),
            .IsPrimary = screen == primary,
            .depth = screen->depth(),
        });
    }
    return result;
}

QPoint QtMonitorSource::pointerPosition() const {
    return QCursor::pos();
}
