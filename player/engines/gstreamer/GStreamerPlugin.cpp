// The entry points of the GStreamer engine plugin.
#include <gst/gst.h>

#include <QGuiApplication>
#include <cstring>

#include "GStreamerMediaPlayer.h"
#include "engines/api/EnginePlugin.h"

extern "C" {
Q_DECL_EXPORT int kestrune_engine_abi() {
    return kEngineAbiVersion;
}

Q_DECL_EXPORT bool kestrune_engine_start(char* version, std::size_t size) {
    // The video widgets are X11 windows, so GStreamer's GL sink must use X11 as well, even where a Wayland
    // display is around.
    if (QGuiApplication::platformName() == QLatin1String("xcb") &&
        qEnvironmentVariableIsEmpty("GST_GL_WINDOW")) {
        qputenv("GST_GL_WINDOW", "x11");
    }
    GError* error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        g_clear_error(&error);
        return false;
    }
    if (version && size > 0) {
        gchar* text = gst_version_string();
        std::strncpy(version, text, size - 1);
        version[size - 1] = '\0';
        g_free(text);
    }
    return true;
}

Q_DECL_EXPORT MediaPlayerEngine* kestrune_create_media_player(QWidget* parent) {
    return new GStreamerMediaPlayer(parent);
}
}
