#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

// Real pointer input (xdotool) and pictures on the X server the tests run on.
namespace xtools {
// Whether a program is on the PATH: the tests that need it skip without it.
bool installed(const char* program);
// Moves the pointer to a point of the screen and waits until Qt sees it there. (xdotool's own --sync waits
// for a motion that never comes when the pointer is already there.)
bool movePointer(QPoint global);
// Clicks there as a user would: xdotool's button number (3 is the right button); repeat 2 is a double click.
bool click(QPoint global, int button = 1, int repeat = 1);
// How many visible windows have that name.
int visibleWindows(const QString& name);
// What a window shows, as the X server has it: video drawn by the engines' own windows included.
QImage grab(const QWidget& window);
// The box around every pixel whose red + green + blue exceeds `threshold`, the area `ignore` left out.
QRect pictureBox(const QImage& image, const QRect& ignore = {}, int threshold = 120);
// How many distinct colours a coarse sample of the picture holds: a black or empty area has one or two, the
// moving test picture dozens.
int distinctColours(const QImage& image);
}  // namespace xtools
