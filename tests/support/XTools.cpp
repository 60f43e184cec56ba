#include "XTools.h"

#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

namespace xtools {
bool installed(const char* program) {
    return !QStandardPaths::findExecutable(QLatin1String(program)).isEmpty();
}

bool movePointer(QPoint global) {
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(global.x()),
                              QString::number(global.y())}) == 0 &&
           QTest::qWaitFor([global] { return QCursor::pos() == global; }, 2000);
}

bool click(QPoint global, int button, int repeat) {
    return movePointer(global) &&
           QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(repeat),
                              QStringLiteral("--delay"), QStringLiteral("80"), QString::number(button)}) == 0;
}

int visibleWindows(const QString& name) {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
    if (!search.waitForFinished(10000)) return -1;
    return static_cast<int>(search.readAllStandardOutput().count('\n'));
}

QImage grab(const QWidget& window) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QRect pictureBox(const QImage& image, const QRect& ignore, int threshold) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) > threshold && !ignore.contains(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y) & 0xF0F0F0);
    }
    return static_cast<int>(colours.size());
}
}  // namespace xtools
