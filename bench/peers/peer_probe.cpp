// Watches players on the X screen for the side-by-side benchmarks (bench/peers/run), the same way for
// Brandock and for the other players, from outside their processes:
//
//   peer-probe window TITLE [--ping] [--keep] -- command [arguments...]
//       starts the command and waits for a top-level window with that title to be mapped ("shown-ms N");
//       with --ping, then for the window's owner to answer a _NET_WM_PING through its event loop, i.e. to
//       take input again ("usable-ms N"). With --keep the command goes on running ("pid N"); otherwise it is
//       ended with SIGTERM.
//   peer-probe frame [--keep] -- command [arguments...]
//       starts the command and waits until the magenta frame of the benchmark video shows anywhere on the
//       screen ("first-frame-ms N").
//   peer-probe rows TITLE -- command [arguments...]
//       with a window of that title already shown, starts the command and waits until the window's picture
//       changes ("rows-ms N"), then for the command to end ("ended-ms N").
//   peer-probe drop TITLE URI-FILE
//       drops the text/uri-list in URI-FILE on the middle of the window of that title, by XDND as a file
//       manager does, and reports the time from the drop to the window's picture changing ("rows-ms N").
//
// Exits 1 when what it waits for does not come within 60 seconds.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(60);

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Display* display = nullptr;
Window root = 0;

Atom atom(const char* name) {
    return XInternAtom(display, name, False);
}

std::string windowTitle(Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, atom("_NET_WM_NAME"), 0, 1024, False, atom("UTF8_STRING"), &type,
                           &format, &count, &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return title;
}

// A viewable top-level window with this title, or 0.
Window findWindow(const std::string& title) {
    Window rootBack = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &rootBack, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            windowTitle(children[i]) == title)
            found = children[i];
    }
    if (children) XFree(children);
    return found;
}

// The command writes to the probe's error output: its standard output is the probe's answer alone, and a
// command kept running holds no pipe of the caller's open.
pid_t spawn(char** argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, 2, 1);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        std::fprintf(stderr, "peer-probe: cannot start %s\n", argv[0]);
        std::exit(2);
    }
    return child;
}

void endChild(pid_t child, bool keep) {
    if (keep) {
        std::printf("pid %d\n", child);
        return;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

// Waits for X events until `done` says so or the patience runs out; false then.
bool waitForEvents(Clock::time_point start, const std::function<bool(const XEvent&)>& done) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() - start < kPatience) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (done(event)) return true;
        }
        poll(&connection, 1, 50);
    }
    return false;
}

// A _NET_WM_PING to the window comes back to the root window once its owner's event loop has handled it.
bool pingAnswered(Window window) {
    const Atom protocols = atom("WM_PROTOCOLS"), ping = atom("_NET_WM_PING");
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping);
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    return waitForEvents(Clock::now(), [&](const XEvent& e) {
        return e.type == ClientMessage && e.xclient.window == root && e.xclient.message_type == protocols &&
               static_cast<Atom>(e.xclient.data.l[0]) == ping &&
               static_cast<Window>(e.xclient.data.l[2]) == window;
    });
}

int watchWindow(int argc, char** argv) {
    const std::string title = argv[2];
    bool ping = false, keep = false;
    int i = 3;
    for (; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        ping = ping || std::string_view(argv[i]) == "--ping";
        keep = keep || std::string_view(argv[i]) == "--keep";
    }
    if (i + 1 >= argc) return 2;
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const auto start = Clock::now();
    const pid_t child = spawn(argv + i + 1);
    Window window = 0;
    const bool shown = waitForEvents(start, [&](const XEvent& e) {
        if (e.type != MapNotify || windowTitle(e.xmap.window) != title) return false;
        window = e.xmap.window;
        return true;
    });
    if (shown) {
        std::printf("shown-ms %.1f\n", msSince(start));
        if (ping && pingAnswered(window)) std::printf("usable-ms %.1f\n", msSince(start));
    }
    std::fflush(stdout);
    endChild(child, keep && shown);
    return shown ? 0 : 1;
}

// The benchmark video has a magenta frame round its picture; nothing else on the screen is magenta. Rows of
// the screen 8 pixels apart are read, which finds a frame of any size in a millisecond or two.
bool magentaShows(int width, int height) {
    int found = 0;
    for (int y = 0; y < height; y += 8) {
        XImage* image = XGetImage(display, root, 0, y, static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
        if (!image) continue;
        for (int x = 0; x < width; x += 2) {
            const unsigned long pixel = XGetPixel(image, x, 0);
            const unsigned r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
            if (r > 200 && b > 200 && g < 70) ++found;
        }
        XDestroyImage(image);
        if (found > 150) return true;
    }
    return false;
}

int watchFrame(int argc, char** argv) {
    bool keep = false;
    int i = 2;
    for (; i < argc && std::string_view(argv[i]) != "--"; ++i)
        keep = keep || std::string_view(argv[i]) == "--keep";
    if (i + 1 >= argc) return 2;
    XWindowAttributes screen;
    XGetWindowAttributes(display, root, &screen);
    const auto start = Clock::now();
    const pid_t child = spawn(argv + i + 1);
    bool shown = false;
    while (!shown && Clock::now() - start < kPatience) {
        shown = magentaShows(screen.width, screen.height);
        if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (shown) std::printf("first-frame-ms %.1f\n", msSince(start));
    std::fflush(stdout);
    endChild(child, keep && shown);
    return shown ? 0 : 1;
}

// A fingerprint of the window's picture as the X server holds it.
unsigned long long picture(Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return 0;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) return 0;
    unsigned long long hash = 1469598103934665603ULL;
    const size_t bytes = static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(image->height);
    for (size_t b = 0; b < bytes; b += 4) {
        hash ^= static_cast<unsigned char>(image->data[b]) |
                (static_cast<unsigned char>(image->data[b + 1]) << 8) |
                (static_cast<unsigned long long>(static_cast<unsigned char>(image->data[b + 2])) << 16);
        hash *= 1099511628211ULL;
    }
    XDestroyImage(image);
    return hash;
}

// Waits for the window's picture to differ from `before`; the time since `start`, or a negative number.
double waitForChange(Window window, unsigned long long before, Clock::time_point start,
                     const std::function<void()>& meanwhile = {}) {
    while (Clock::now() - start < kPatience) {
        if (meanwhile) meanwhile();
        if (picture(window) != before) return msSince(start);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return -1;
}

int watchRows(int argc, char** argv) {
    if (argc < 5 || std::string_view(argv[3]) != "--") return 2;
    const Window window = findWindow(argv[2]);
    if (!window) {
        std::fprintf(stderr, "peer-probe: no window \"%s\"\n", argv[2]);
        return 1;
    }
    const unsigned long long before = picture(window);
    const auto start = Clock::now();
    const pid_t child = spawn(argv + 4);
    const double ms = waitForChange(window, before, start);
    if (ms >= 0) std::printf("rows-ms %.1f\n", ms);
    waitpid(child, nullptr, 0);
    std::printf("ended-ms %.1f\n", msSince(start));
    return ms >= 0 ? 0 : 1;
}

// A file manager's drag of files: XDND enter, position, drop on the window, the list handed over through the
// XdndSelection when the target asks for it.
int dropFiles(int argc, char** argv) {
    if (argc != 4) return 2;
    const Window target = findWindow(argv[2]);
    std::ifstream in(argv[3], std::ios::binary);
    const std::string uris((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!target || uris.empty()) {
        std::fprintf(stderr, "peer-probe: no window \"%s\" or no files\n", argv[2]);
        return 1;
    }
    const Atom selection = atom("XdndSelection"), uriList = atom("text/uri-list"),
               copy = atom("XdndActionCopy");
    const Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display, source, PropertyChangeMask);
    // A server time for the selection and the messages: a property change stamps one.
    XChangeProperty(display, source, atom("XdndTypeList"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&uriList), 1);
    XEvent stamp;
    XWindowEvent(display, source, PropertyChangeMask, &stamp);
    const Time now = stamp.xproperty.time;
    XSetSelectionOwner(display, selection, source, now);

    XWindowAttributes attributes;
    XGetWindowAttributes(display, target, &attributes);
    int x = 0, y = 0;
    Window ignored = 0;
    XTranslateCoordinates(display, target, root, attributes.width / 2, attributes.height / 2, &x, &y,
                          &ignored);

    const auto send = [&](const char* type, long l1, long l2, long l3, long l4) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = target;
        event.xclient.message_type = atom(type);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(source);
        event.xclient.data.l[1] = l1;
        event.xclient.data.l[2] = l2;
        event.xclient.data.l[3] = l3;
        event.xclient.data.l[4] = l4;
        XSendEvent(display, target, False, NoEventMask, &event);
        XFlush(display);
    };
    const auto isMessage = [&](const XEvent& e, const char* type) {
        return e.type == ClientMessage && e.xclient.window == source && e.xclient.message_type == atom(type);
    };
    // The target asks for the list once the drop comes; it may ask again.
    const auto serve = [&](const XEvent& e) {
        if (e.type != SelectionRequest) return;
        const XSelectionRequestEvent& request = e.xselectionrequest;
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = None;
        if (request.target == uriList) {
            XChangeProperty(display, request.requestor, request.property, uriList, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(uris.data()),
                            static_cast<int>(uris.size()));
            reply.xselection.property = request.property;
        }
        XSendEvent(display, request.requestor, False, NoEventMask, &reply);
        XFlush(display);
    };

    send("XdndEnter", 5L << 24, static_cast<long>(uriList), 0, 0);
    send("XdndPosition", 0, (static_cast<long>(x) << 16) | y, static_cast<long>(now),
         static_cast<long>(copy));
    bool accepted = false;
    if (!waitForEvents(Clock::now(),
                       [&](const XEvent& e) {
                           serve(e);
                           if (!isMessage(e, "XdndStatus")) return false;
                           accepted = (e.xclient.data.l[1] & 1) != 0;
                           return true;
                       }) ||
        !accepted) {
        std::fprintf(stderr, "peer-probe: the window does not take the drop\n");
        return 1;
    }
    const unsigned long long before = picture(target);
    const auto start = Clock::now();
    send("XdndDrop", 0, static_cast<long>(now), 0, 0);
    bool finished = false;
    const double ms = waitForChange(target, before, start, [&] {
        while (XPending(display) > 0) {
            XEvent e;
            XNextEvent(display, &e);
            serve(e);
            finished = finished || isMessage(e, "XdndFinished");
        }
    });
    if (ms >= 0) std::printf("rows-ms %.1f\n", ms);
    if (!finished)
        waitForEvents(Clock::now(), [&](const XEvent& e) {
            serve(e);
            return isMessage(e, "XdndFinished");
        });
    return ms >= 0 ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "peer-probe: no X display\n");
        return 2;
    }
    root = DefaultRootWindow(display);
    int result = 2;
    if (mode == "window" && argc > 2) {
        result = watchWindow(argc, argv);
    } else if (mode == "frame") {
        result = watchFrame(argc, argv);
    } else if (mode == "rows" && argc > 2) {
        result = watchRows(argc, argv);
    } else if (mode == "drop") {
        result = dropFiles(argc, argv);
    } else {
        std::fprintf(stderr,
                     "usage: peer-probe window TITLE [--ping] [--keep] -- command...\n"
                     "       peer-probe frame [--keep] -- command...\n"
                     "       peer-probe rows TITLE -- command...\n"
                     "       peer-probe drop TITLE URI-FILE\n");
    }
    XCloseDisplay(display);
    return result;
}
