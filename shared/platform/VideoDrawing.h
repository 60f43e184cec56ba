#pragma once

// How video is drawn at the least cost on the X display the player runs on.
enum class VideoDrawing {
    Gpu,     // OpenGL on a graphics card
    XVideo,  // OpenGL only in software, and the X server scales pictures itself through XVideo
    X11,     // OpenGL only in software and no XVideo: plain X11 images, scaled by the engine
};

// Found once per run, the first time it is asked for, without loading any OpenGL where it can only be a
// software renderer (mesa's environment asks for one, or the X server offers no direct rendering); else the
// X server's OpenGL says whether its renderer is accelerated. Gpu off X11.
VideoDrawing videoDrawing();

// "gpu", "xvideo" or "x11", for the log.
const char* videoDrawingName(VideoDrawing drawing);
