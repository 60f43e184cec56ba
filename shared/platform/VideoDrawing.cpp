#include "VideoDrawing.h"

// Qt before Xlib, whose macros would clash with Qt's names.
#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>
#include <cstring>

// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/Xvlib.h>
#include <GL/glx.h>
#include <GL/glxext.h>
// clang-format on

namespace {
// Mesa's own settings that make it render in software whatever the hardware.
bool mesaToldToRenderInSoftware() {
    const QByteArray always = qgetenv("LIBGL_ALWAYS_SOFTWARE").toLower();
    if (!always.isEmpty() && always != "0" && always != "false" && always != "no") return true;
    const QByteArray gallium = qgetenv("GALLIUM_DRIVER").toLower();
    if (gallium == "llvmpipe" || gallium == "softpipe" || gallium == "swr") return true;
    const QByteArray loader = qgetenv("MESA_LOADER_DRIVER_OVERRIDE").toLower();
    return loader == "swrast" || loader == "kms_swrast" || loader == "llvmpipe";
}

bool hasExtension(Display* display, const char* name) {
    int opcode = 0, event = 0, error = 0;
    return XQueryExtension(display, name, &opcode, &event, &error);
}

// A graphics card's OpenGL reaches an X client through direct rendering (DRI2, DRI3, or NVIDIA's own
// GLX); without it an X server (Xvfb, Xvnc, one across the network) leaves mesa its software renderer.
bool offersDirectRendering(Display* display) {
    return hasExtension(display, "DRI3") || hasExtension(display, "DRI2") || hasExtension(display, "NV-GLX");
}

// Loads the OpenGL driver of the X server's screen: only where a graphics card may be there. Mesa says
// whether its renderer is accelerated without a context; other vendors' OpenGL runs on their own cards.
bool openGlIsAccelerated(Display* display) {
    const int screen = DefaultScreen(display);
    const char* extensions = glXQueryExtensionsString(display, screen);
    if (!extensions) return false;
    if (!std::strstr(extensions, "GLX_MESA_query_renderer")) return true;
    const auto queryInteger = reinterpret_cast<PFNGLXQUERYRENDERERINTEGERMESAPROC>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXQueryRendererIntegerMESA")));
    unsigned int accelerated = 0;
    return queryInteger && queryInteger(display, screen, 0, GLX_RENDERER_ACCELERATED_MESA, &accelerated) &&
           accelerated != 0;
}

// An adaptor that takes client images of any size and scales them into a window.
bool offersXVideoImages(Display* display) {
    if (!hasExtension(display, "XVideo")) return false;
    unsigned int count = 0;
    XvAdaptorInfo* adaptors = nullptr;
    if (XvQueryAdaptors(display, DefaultRootWindow(display), &count, &adaptors) != Success) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        const XvAdaptorInfo& adaptor = adaptors[i];
        found = (adaptor.type & XvInputMask) && (adaptor.type & XvImageMask) && adaptor.num_ports > 0;
    }
    if (adaptors) XvFreeAdaptorInfo(adaptors);
    return found;
}

VideoDrawing findVideoDrawing() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return VideoDrawing::Gpu;
    const bool softwareOnly =
        mesaToldToRenderInSoftware() || !offersDirectRendering(display) || !openGlIsAccelerated(display);
    if (!softwareOnly) return VideoDrawing::Gpu;
    return offersXVideoImages(display) ? VideoDrawing::XVideo : VideoDrawing::X11;
}
}  // namespace

VideoDrawing videoDrawing() {
    static const VideoDrawing drawing = findVideoDrawing();
    return drawing;
}

const char* videoDrawingName(VideoDrawing drawing) {
    switch (drawing) {
        case VideoDrawing::Gpu:
            return "gpu";
        case VideoDrawing::XVideo:
            return "xvideo";
        case VideoDrawing::X11:
            break;
    }
    return "x11";
}
