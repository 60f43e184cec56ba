// Watches players on the X screen for the side-by-side benchmarks (bench/peers/run), the same way for
// Brandock and for the other players, from outside their processes:
//
//   peer-probe window TITLE [--usable] [--keep] -- command [arguments...]
//       starts the command and waits for a top-level window with that title to be mapped ("shown-ms N");
//       with --usable, then for the window's owner to answer a drag over the window through its event loop,
//       i.e. to take input ("usable-ms N"). With --keep the command goes on running ("pid N"); otherwise it
//       is ended with SIGTERM.
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
#include <X11/extensions/Xdamage.h>
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

// A file manager's drag over a window and, when wanted, its drop: XDND messages from a window of the probe's,
// the file list handed over through the XdndSelection when the target asks for it.
class DragSource {
  public:
    DragSource(Window target, std::string uris) : m_target(target), m_uris(std::move(uris)) {
        m_source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
        XSelectInput(display, m_source, PropertyChangeMask);
        // A server time for the selection and the messages: a property change stamps one.
        XChangeProperty(display, m_source, atom("XdndTypeList"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&m_uriList), 1);
        XEvent stamp;
        XWindowEvent(display, m_source, PropertyChangeMask, &stamp);
        m_time = stamp.xproperty.time;
        XSetSelectionOwner(display, atom("XdndSelection"), m_source, m_time);
    }
    ~DragSource() { XDestroyWindow(display, m_source); }

    // Enters the window and moves over its middle; true when the target answered, `accepted` whether it
    // takes the files.
    bool over(bool& accepted) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, m_target, &attributes);
        int x = 0, y = 0;
        Window ignored = 0;
        XTranslateCoordinates(display, m_target, root, attributes.width / 2, attributes.height / 2, &x, &y,
                              &ignored);
        send("XdndEnter", 5L << 24, static_cast<long>(m_uriList), 0, 0);
        send("XdndPosition", 0, (static_cast<long>(x) << 16) | y, static_cast<long>(m_time),
             static_cast<long>(atom("XdndActionCopy")));
        return waitForEvents(Clock::now(), [&](const XEvent& e) {
            serve(e);
            if (!isMessage(e, "XdndStatus")) return false;
            accepted = (e.xclient.data.l[1] & 1) != 0;
            return true;
        });
    }
    void leave() { send("XdndLeave", 0, 0, 0, 0); }
    void drop() { send("XdndDrop", 0, static_cast<long>(m_time), 0, 0); }
    // Serves the target's requests for the list and notes when it says the drop is finished.
    void handle(const XEvent& e) {
        serve(e);
        m_finished = m_finished || isMessage(e, "XdndFinished");
    }
    bool finished() const { return m_finished; }
    bool serveUntilFinished() {
        while (XPending(display) > 0) {
            XEvent e;
            XNextEvent(display, &e);
            handle(e);
        }
        return m_finished;
    }

  private:
    void send(const char* type, long l1, long l2, long l3, long l4) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = m_target;
        event.xclient.message_type = atom(type);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(m_source);
        event.xclient.data.l[1] = l1;
        event.xclient.data.l[2] = l2;
        event.xclient.data.l[3] = l3;
        event.xclient.data.l[4] = l4;
        XSendEvent(display, m_target, False, NoEventMask, &event);
        XFlush(display);
    }
    bool isMessage(const XEvent& e, const char* type) const {
        return e.type == ClientMessage && e.xclient.window == m_source &&
               e.xclient.message_type == atom(type);
    }
    void serve(const XEvent& e) {
        if (e.type != SelectionRequest) return;
        const XSelectionRequestEvent& request = e.xselectionrequest;
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = None;
        if (request.target == m_uriList) {
            XChangeProperty(display, request.requestor, request.property, m_uriList, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(m_uris.data()),
                            static_cast<int>(m_uris.size()));
            reply.xselection.property = request.property;
        }
        XSendEvent(display, request.requestor, False, NoEventMask, &reply);
        XFlush(display);
    }

    Window m_target = 0, m_source = 0;
    bool m_finished = false;
    std::string m_uris;
    Atom m_uriList = atom("text/uri-list");
    Time m_time = CurrentTime;
};

// A drag over the window is answered by its owner's event loop: once it is, the window takes input.
bool answersDrag(Window window) {
    DragSource source(window, "file:///\r\n");
    bool accepted = false;
    const bool answered = source.over(accepted);
    source.leave();
    return answered;
}

int watchWindow(int argc, char** argv) {
    const std::string title = argv[2];
    bool usable = false, keep = false;
    int i = 3;
    for (; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        usable = usable || std::string_view(argv[i]) == "--usable";
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
        if (usable && answersDrag(window)) std::printf("usable-ms %.1f\n", msSince(start));
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

// Tells when something draws into a window, from the X server's damage reports: the probe sleeps until
// then instead of reading the whole window over and over, which would both load the X server the player
// draws through and only see a change at the next reading.
class DrawingWatch {
  public:
    explicit DrawingWatch(Window window) : m_window(window) {
        int error = 0;
        if (!XDamageQueryExtension(display, &m_eventBase, &error)) {
            std::fprintf(stderr, "peer-probe: the X server reports no damage\n");
            std::exit(2);
        }
        m_damage = XDamageCreate(display, window, XDamageReportNonEmpty);
        XSync(display, False);
    }
    ~DrawingWatch() { XDamageDestroy(display, m_damage); }

    // Waits for the window's picture to differ from `before`: the time since `start` of the drawing that
    // changed it, or a negative number. Other events go to `meanwhile`.
    double waitForChange(unsigned long long before, Clock::time_point start,
                         const std::function<void(const XEvent&)>& meanwhile = {}) {
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        while (Clock::now() - start < kPatience) {
            double drawnMs = -1;
            while (XPending(display) > 0) {
                XEvent e;
                XNextEvent(display, &e);
                if (e.type == m_eventBase + XDamageNotify) {
                    if (drawnMs < 0) drawnMs = msSince(start);
                } else if (meanwhile) {
                    meanwhile(e);
                }
            }
            if (drawnMs >= 0) {
                XDamageSubtract(display, m_damage, None, None);
                if (picture(m_window) != before) return drawnMs;
            }
            // Xlib may already hold events it read while answering a request: poll only when it holds none.
            if (XPending(display) == 0) poll(&connection, 1, 50);
        }
        return -1;
    }

  private:
    Window m_window;
    Damage m_damage = 0;
    int m_eventBase = 0;
};

int watchRows(int argc, char** argv) {
    if (argc < 5 || std::string_view(argv[3]) != "--") return 2;
    const Window window = findWindow(argv[2]);
    if (!window) {
        std::fprintf(stderr, "peer-probe: no window \"%s\"\n", argv[2]);
        return 1;
    }
    DrawingWatch drawing(window);
    const unsigned long long before = picture(window);
    const auto start = Clock::now();
    const pid_t child = spawn(argv + 4);
    const double ms = drawing.waitForChange(before, start);
    if (ms >= 0) std::printf("rows-ms %.1f\n", ms);
    waitpid(child, nullptr, 0);
    std::printf("ended-ms %.1f\n", msSince(start));
    return ms >= 0 ? 0 : 1;
}

int dropFiles(int argc, char** argv) {
    if (argc != 4) return 2;
    const Window target = findWindow(argv[2]);
    std::ifstream in(argv[3], std::ios::binary);
    const std::string uris((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!target || uris.empty()) {
        std::fprintf(stderr, "peer-probe: no window \"%s\" or no files\n", argv[2]);
        return 1;
    }
    DragSource source(target, uris);
    bool accepted = false;
    if (!source.over(accepted) || !accepted) {
        std::fprintf(stderr, "peer-probe: the window does not take the drop\n");
        return 1;
    }
    DrawingWatch drawing(target);
    const unsigned long long before = picture(target);
    const auto start = Clock::now();
    source.drop();
    const double ms = drawing.waitForChange(before, start, [&](const XEvent& e) { source.handle(e); });
    if (ms >= 0) std::printf("rows-ms %.1f\n", ms);
    while (!source.serveUntilFinished() && Clock::now() - start < kPatience)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
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
                     "usage: peer-probe window TITLE [--usable] [--keep] -- command...\n"
                     "       peer-probe frame [--keep] -- command...\n"
                     "       peer-probe rows TITLE -- command...\n"
                     "       peer-probe drop TITLE URI-FILE\n");
    }
    XCloseDisplay(display);
    return result;
}
