// Starts a command and reports how long it takes until a top-level window with a given title is mapped on
// the X screen: the player's start-up time to its control panel, seen from outside the process.
//
//   kestrune-window-watch TITLE -- command [arguments...]
//
// Prints "window-shown-ms N", then ends the command with SIGTERM and prints "ended-after-term-ms M", the
// time from the signal until the command has ended (for the player: its list and settings stored). Exits 1
// when no such window shows within 30 seconds.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
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
    if (argc < 4 || std::string_view(argv[2]) != "--") {
        std::fprintf(stderr, "usage: %s TITLE -- command [arguments...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[3], nullptr, nullptr, argv + 3, environ) != 0) return 2;
    int result = 1;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (result != 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        while (result != 0 && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowTitle(display, event.xmap.window) == wanted) {
                const auto ms =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
                std::printf("window-shown-ms %.1f\n", ms.count());
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
