#include "WindowManager.h"

// Qt before Xlib, whose macros would clash with Qt's names.
#include <QGuiApplication>
#include <algorithm>
#include <vector>

// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
// clang-format on

namespace {
// The root window's property of the given type, as a list of 32-bit items (longs, as Xlib hands them).
template <typename Item>
bool readRootProperty(Display* display, const char* name, Atom type, std::vector<Item>& items) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(display, name, True);
    if (property == None ||
        XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 4096, False, type, &actualType,
                           &format, &count, &after, &data) != Success) {
        return false;
    }
    const bool ok = data && actualType == type && format == 32;
    if (ok) {
        const auto* values = reinterpret_cast<const long*>(data);
        items.assign(values, values + count);
    }
    if (data) XFree(data);
    return ok;
}
}  // namespace

bool boolWindowManagerDoesFullScreen() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return false;
    // A window manager that follows the freedesktop rules names its check window on the root window.
    std::vector<long> check;
    if (!readRootProperty(display, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, check) || check.empty() ||
        !check[0])
        return false;
    std::vector<long> supported;
    if (!readRootProperty(display, "_NET_SUPPORTED", XA_ATOM, supported)) return false;
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", True);
    return fullScreen != None &&
           std::find(supported.begin(), supported.end(), long(fullScreen)) != supported.end();
}
