#include "ForegroundWindow.h"

// Qt before Xlib, whose macros would clash with Qt's names.
#include <QGuiApplication>
#include <vector>

// clang-format off
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
// clang-format on

namespace {
Display* qtDisplay() {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// A window property of 32-bit items (XIDs come back as longs).
std::vector<Window> windowList(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Window> list;
    if (XGetWindowProperty(display, window, property, 0, 65536, False, XA_WINDOW, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        list.assign(items, items + count);
    }
    if (data) XFree(data);
    return list;
}

QString caption(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    QString text;
    if (XGetWindowProperty(display, window, netName, 0, 65536, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 8) {
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
        XFree(data);
        return text;
    }
    if (data) XFree(data);
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        text = QString::fromLocal8Bit(name);
        XFree(name);
    }
    return text;
}

// The top-level windows: the window manager's client list, or the root's children on a bare server.
std::vector<Window> topLevelWindows(Display* display, Window root) {
    std::vector<Window> list = windowList(display, root, XInternAtom(display, "_NET_CLIENT_LIST", False));
    if (!list.empty()) return list;
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) && children) {
        list.assign(children, children + count);
        XFree(children);
    }
    return list;
}
}  // namespace

bool boolBringWindowToFront(const QString& strCaption) {
    Display* display = qtDisplay();
    if (!display) return false;
    const Window root = DefaultRootWindow(display);
    Window found = 0;
    for (Window window : topLevelWindows(display, root)) {
        if (caption(display, window) == strCaption) {
            found = window;
            break;
        }
    }
    if (!found) return false;

    const bool managed =
        !windowList(display, root, XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False)).empty();
    if (managed) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = found;
        event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;  // asked for by a pager-like tool, which window managers honour
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, found, &attributes) && attributes.map_state == IsViewable) {
            XRaiseWindow(display, found);
            XSetInputFocus(display, found, RevertToParent, CurrentTime);
        }
    }
    XFlush(display);
    return true;
}
