// Starts a command and reports how long it takes until a top-level window with a given title is mapped on
// the X screen, and then until that window answers: the player's start-up time to its control panel, seen
// from outside the process.
//
//   kestrune-window-watch [--timeout SECONDS] TITLE -- command [arguments...]
//
// A mapped window may still be black while its program is busy. Once it is mapped the watcher sends it the
// window manager's ping (_NET_WM_PING), which Qt answers from its event loop, so the answer marks a panel
// that paints and takes input. Prints "window-shown-ms N window-answered-ms M", then ends the command with
// SIGTERM and prints "ended-after-term-ms M", the time until it has ended (for the player: its list and
// settings stored). Exits 1 when no such window shows and answers in time (30 seconds by default).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern char** environ;

namespace {
std::string windowTitle(Display* display, Window window) {
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return title;
}
}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    int timeoutSeconds = 30;
    if (argc > 2 && std::string_view(argv[1]) == "--timeout") {
        timeoutSeconds = std::atoi(argv[2]);
        first = 3;
    }
    if (argc < first + 3 || std::string_view(argv[first + 1]) != "--" || timeoutSeconds <= 0) {
        std::fprintf(stderr, "usage: %s [--timeout SECONDS] TITLE -- command [arguments...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[first];
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window root = DefaultRootWindow(display);
    // Qt sends its answer to the root window for StructureNotify listeners.
    XSelectInput(display, root, SubstructureNotifyMask | StructureNotifyMask);
    XSync(display, False);

    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const long pingStamp = 27182;

    const auto start = std::chrono::steady_clock::now();
    const auto msSinceStart = [start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    pid_t child = 0;
    if (posix_spawnp(&child, argv[first + 2], nullptr, nullptr, argv + first + 2, environ) != 0) return 2;
    int result = 1;
    double shownMs = 0;
    Window shown = 0;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (result != 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(timeoutSeconds)) {
        while (result != 0 && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (!shown && event.type == MapNotify && windowTitle(display, event.xmap.window) == wanted) {
                shownMs = msSinceStart();
                shown = event.xmap.window;
                XEvent request{};
                request.xclient.type = ClientMessage;
                request.xclient.window = shown;
                request.xclient.message_type = protocols;
                request.xclient.format = 32;
                request.xclient.data.l[0] = static_cast<long>(ping);
                request.xclient.data.l[1] = pingStamp;
                request.xclient.data.l[2] = static_cast<long>(shown);
                XSendEvent(display, shown, False, NoEventMask, &request);
                XFlush(display);
            } else if (shown && event.type == ClientMessage && event.xclient.message_type == protocols &&
                       static_cast<Atom>(event.xclient.data.l[0]) == ping &&
                       event.xclient.data.l[1] == pingStamp) {
                std::printf("window-shown-ms %.1f window-answered-ms %.1f\n", shownMs, msSinceStart());
                result = 0;
            }
        }
        if (result != 0) poll(&connection, 1, 100);
    }
    const auto term = std::chrono::steady_clock::now();
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    if (result == 0) {
        const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - term);
        std::printf("ended-after-term-ms %.1f\n", ms.count());
    }
    XCloseDisplay(display);
    return result;
}
