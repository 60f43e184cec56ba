#pragma once

// Whether a window manager runs on the desktop that puts windows full screen itself (the freedesktop
// full-screen state): then a full-screen window is the window manager's to place, above the desktop's
// panels. On a bare X server, or off X11, the programs place such windows themselves.
bool boolWindowManagerDoesFullScreen();
