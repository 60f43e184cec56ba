#include "XLastInputSource.h"

// Qt before Xlib, whose macros would clash with Qt's names.
#include <QGuiApplication>
#include <memory>

#include "Clock.h"

// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
// clang-format on

namespace {
// How far one reading of the same last input may stray beyond the time the request took: the server counts
// in whole milliseconds of a coarse clock that runs up to one kernel tick (at most 10 ms) behind.
constexpr std::int64_t kServerClockSlack = 25;

struct XFreeDeleter {
    void operator()(void* data) const { XFree(data); }
};
}  // namespace

XLastInputSource::~XLastInputSource() {
    if (m_ownDisplay) XCloseDisplay(m_ownDisplay);
}

Display* XLastInputSource::display() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->display()) return x11->display();
    if (!m_ownDisplayTried) {
        m_ownDisplayTried = true;
        m_ownDisplay = XOpenDisplay(nullptr);
    }
    return m_ownDisplay;
}

std::optional<std::int64_t> XLastInputSource::lastInputTime() {
    Display* connection = display();
    if (!connection) return std::nullopt;
    int eventBase = 0, errorBase = 0;
    if (!XScreenSaverQueryExtension(connection, &eventBase, &errorBase)) return std::nullopt;
    const std::unique_ptr<XScreenSaverInfo, XFreeDeleter> info(XScreenSaverAllocInfo());
    if (!info) return std::nullopt;

    const Clock& clock = currentClock();
    const std::int64_t before = clock.nowMilliseconds();
    if (!XScreenSaverQueryInfo(connection, DefaultRootWindow(connection), info.get())) return std::nullopt;
    const std::int64_t after = clock.nowMilliseconds();
    const auto idle = static_cast<std::int64_t>(info->idle);

    // The server read its idle time somewhere between the two readings of the clock.
    const std::int64_t earliest = before - idle - kServerClockSlack;
    const std::int64_t latest = after - idle + kServerClockSlack;
    if (!m_lastAnswer || *m_lastAnswer < earliest || *m_lastAnswer > latest) m_lastAnswer = after - idle;
    return m_lastAnswer;
}
