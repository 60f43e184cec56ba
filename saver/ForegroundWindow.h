#pragma once

#include <QString>

// Brings the top-level window with this exact caption to the front, through the window manager
// (_NET_ACTIVE_WINDOW) where one runs, else by raising and focusing it. False when no window has that
// caption or the program is not on X11: the step is then skipped.
bool boolBringWindowToFront(const QString& strCaption);
