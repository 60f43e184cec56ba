// Starts a command and reports how long it takes until a moving test picture shows in a region of the X
// screen: the time to the first frame, measured the same way for every player.
//
//   kestrune-frame-watch X Y W H -- command [arguments...]
//
// Prints "first-frame-ms N" and ends the command. Exits 1 when no picture shows within 20 seconds.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unordered_set>

extern char** environ;

namespace {
// A test picture has many colours; an empty, black or plain window a handful.
bool showsPicture(Display* display, Window root, int x, int y, int w, int h) {
    XImage* image = XGetImage(display, root, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h),
                              AllPlanes, ZPixmap);
    if (!image) return false;
    std::unordered_set<unsigned long> colours;
    for (int py = 0; py < h; py += 9) {
        for (int px = 0; px < w; px += 9) colours.insert(XGetPixel(image, px, py) & 0xF0F0F0);
    }
    XDestroyImage(image);
    return colours.size() > 12;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 7 || std::string_view(argv[5]) != "--") {
        std::fprintf(stderr, "usage: %s X Y W H -- command [arguments...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]), w = std::atoi(argv[3]), h = std::atoi(argv[4]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window root = DefaultRootWindow(display);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[6], nullptr, nullptr, argv + 6, environ) != 0) return 2;
    int result = 1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        if (showsPicture(display, root, x, y, w, h)) {
            const auto ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
            std::printf("first-frame-ms %.1f\n", ms.count());
            result = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
