#include "XTools.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace xtools {
bool installed(const char* program) {
    return !QStandardPaths::findExecutable(QLatin1String(program)).isEmpty();
}

bool xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// xdotool's own --sync waits for a motion that never comes when the pointer is already there.
bool movePointer(QPoint global) {
    return xdotool({"mousemove", QString::number(global.x()), QString::number(global.y())}) &&
           QTest::qWaitFor([global] { return QCursor::pos() == global; }, 2000);
}

bool click(QPoint global, int button, int repeat) {
    return movePointer(global) &&
           xdotool({"click", "--repeat", QString::number(repeat), "--delay", "80", QString::number(button)});
}

QList<WId> visibleWindows(const QString& pattern) {
    QProcess search;
    search.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", pattern});
    QList<WId> windows;
    if (!search.waitForFinished(10000)) return windows;
    for (const QByteArray& line : search.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty()) windows << line.toULongLong();
    }
    return windows;
}

QRect windowRectangle(WId window) {
    QProcess query;
    query.start(QStringLiteral("xdotool"), {"getwindowgeometry", "--shell", QString::number(window)});
    if (!query.waitForFinished(10000)) return {};
    QHash<QString, int> values;
    for (const QString& line : QString::fromUtf8(query.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QStringList pair = line.split(QLatin1Char('='));
        if (pair.size() == 2) values.insert(pair.at(0), pair.at(1).toInt());
    }
    return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                 values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
}

QImage grab(WId window) {
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QRect pictureBox(const QImage& image, const QRect& ignore) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 120 && !ignore.contains(x, y))
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
QString property(WId window, const char* name) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                window ? QStringList{"-id", QString::number(window), name} : QStringList{"-root", name});
    return xprop.waitForFinished(5000) ? QString::fromUtf8(xprop.readAllStandardOutput()).trimmed()
                                       : QString();
}

bool pointerBlank() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    bool blank = false;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
        blank = true;
        for (int i = 0; i < image->width * image->height; ++i) {
            if ((image->pixels[i] >> 24) & 0xff) blank = false;  // ARGB: any alpha is a visible pixel
        }
        XFree(image);
    }
    XCloseDisplay(display);
    return blank;
}

QList<WId> stacking() {
    const QString text = property(0, "_NET_CLIENT_LIST_STACKING");
    QList<WId> windows;
    for (const QString& id : text.mid(text.indexOf(QLatin1Char('#')) + 1).split(QLatin1Char(','))) {
        bool ok = false;
        const WId window = id.trimmed().toULongLong(&ok, 16);
        if (ok) windows << window;
    }
    return windows;
}
}  // namespace xtools

WindowManagerDesktop::~WindowManagerDesktop() {
    for (QProcess* process : {&m_tint2, &m_openbox}) {
        process->kill();
        process->waitForFinished(5000);
    }
}

bool WindowManagerDesktop::start() {
    m_openbox.start(QStringLiteral("openbox"), {});
    if (!m_openbox.waitForStarted(5000) ||
        !QTest::qWaitFor([] { return xtools::property(0, "_NET_SUPPORTING_WM_CHECK").contains('#'); }, 10000))
        return false;
    m_tint2.start(QStringLiteral("tint2"), {});
    return m_tint2.waitForStarted(5000) &&
           QTest::qWaitFor([] { return xtools::visibleWindows(QStringLiteral("^tint2$")).size() >= 2; },
                           10000);
}

bool TrayHost::start() {
    m_process.start(QStringLiteral("trayer"),
                    {"--edge", "top", "--align", "right", "--widthtype", "request"});
    return m_process.waitForStarted(5000) &&
           QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 10000);
}

void TrayHost::stop() {
    m_process.kill();
    m_process.waitForFinished(5000);
}
