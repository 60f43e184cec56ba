#pragma once

#include <QImage>
#include <QProcess>
#include <QWidget>

// Real pointer input (xdotool), pictures and a tray host on the X server the tests run on.
namespace xtools {
// Whether a program is on the PATH: the tests that need it skip without it.
bool installed(const char* program);
// Runs xdotool with these arguments (keys, typing, focus); whether it succeeded.
bool xdotool(const QStringList& arguments);
// Moves the pointer to a point of the screen as a user would, and waits until it is there.
bool movePointer(QPoint global);
// Clicks at a point of the screen as a user would, once the pointer is there: xdotool's button number (3 is
// the right button); repeat 2 is a double click.
bool click(QPoint global, int button = 1, int repeat = 1);
// The visible windows whose names match the pattern, of any program.
QList<WId> visibleWindows(const QString& pattern);
// A window's rectangle on the screen, as the X server has it; empty when there is no such window.
QRect windowRectangle(WId window);
// What a window shows, as the X server has it: video drawn by the engines' own windows included.
QImage grab(WId window);
inline QImage grab(const QWidget& window) {
    return grab(window.winId());
}
// The box around every pixel whose red + green + blue exceeds 120, the area `ignore` left out.
QRect pictureBox(const QImage& image, const QRect& ignore = {});
// How many distinct colours a coarse sample of the picture holds: a black or empty area has one or two, the
// moving test picture dozens.
int distinctColours(const QImage& image);
// A window's property as xprop prints it ("_NET_WM_STATE(ATOM) = _NET_WM_STATE_FULLSCREEN"); the root
// window's for 0.
QString property(WId window, const char* name);
// Whether the pointer the X server shows now is blank: every pixel of its picture transparent.
bool pointerBlank();
// The managed windows from bottom to top, as the window manager stacks them.
QList<WId> stacking();
}  // namespace xtools

// A desktop as users have it: openbox as window manager and a tint2 panel at the foot of each monitor; both
// stopped when the object goes.
class WindowManagerDesktop {
  public:
    ~WindowManagerDesktop();
    // Starts both and waits until the window manager runs and the panels are up.
    bool start();

  private:
    QProcess m_openbox, m_tint2;
};

// trayer, an XEmbed notification area, docked at the top right; stopped when the object goes.
class TrayHost {
  public:
    ~TrayHost() { stop(); }
    // Starts it and waits until Qt sees a notification area.
    bool start();
    void stop();

  private:
    QProcess m_process;
};
