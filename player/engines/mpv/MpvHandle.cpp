#include "MpvHandle.h"

#include <clocale>
#include <cstring>
#include <utility>
#include <vector>

#include "MpvLogging.h"
#include "engines/api/EnginePlugin.h"
#include "platform/VideoDrawing.h"

namespace {
struct Option {
    const char* name;
    const char* value;
};

// mpv draws into the widget it is given and stays out of everything else: mouse and keys reach the screen
// window, the pointer and the system screen saver stay the player's own.
constexpr Option kRequiredOptions[] = {
    {"terminal", "no"},
    {"msg-level", "all=no"},
    {"config", "no"},
    {"idle", "yes"},
    {"keep-open", "no"},
    {"force-window", "no"},
    {"vo", "null"},
    // The window handle is an X11 one; a Wayland context would open a window of its own.
    {"gpu-context", "x11egl"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"input-cursor", "no"},
    {"cursor-autohide", "no"},
    {"osc", "no"},
    {"osd-level", "0"},
    {"stop-screensaver", "no"},
};

// No built-in scripts (each runs a thread of its own that outlives the instance for a moment) and no
// helper programs; a build of libmpv without one of these options does no harm.
constexpr Option kOptionalOptions[] = {
    {"load-scripts", "no"},
    {"load-auto-profiles", "no"},
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"ytdl", "no"},
    {"audio-client-name", "Kestrune"},
    // Without a sound device (no card, no sound server) a file still plays whole, silently, to its end.
    {"audio-fallback-to-null", "yes"},
};
}  // namespace

namespace {
std::unique_ptr<MpvHandle>& kept() {
    static std::unique_ptr<MpvHandle> mpv;
    return mpv;
}
}  // namespace

void MpvHandle::keepForFirstEngine(std::unique_ptr<MpvHandle> mpv) {
    kept() = std::move(mpv);
}

std::unique_ptr<MpvHandle> MpvHandle::forEngine() {
    if (kept()) return std::move(kept());
    return create();
}

std::unique_ptr<MpvHandle> MpvHandle::create() {
    // libmpv refuses to start under a locale whose decimal separator is not a point. The program's main sets
    // LC_NUMERIC once, before any engine is made: the locale belongs to the whole process.
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (!numeric || std::strcmp(numeric, "C") != 0)
        qCWarning(lcMpvEngine) << "LC_NUMERIC is" << numeric << "where libmpv needs \"C\"";
    mpv_handle* handle = mpv_create();
    if (!handle) return nullptr;
    std::unique_ptr<MpvHandle> mpv(new MpvHandle(handle));
    for (const Option& option : kRequiredOptions) {
        if (mpv_set_option_string(handle, option.name, option.value) < 0) return nullptr;
    }
    for (const Option& option : kOptionalOptions) mpv_set_option_string(handle, option.name, option.value);
    if (qgetenv(kAudioOutputVariable) == "null" && mpv_set_option_string(handle, "ao", "null") < 0) {
        return nullptr;
    }
    if (mpv_initialize(handle) < 0) return nullptr;
    return mpv;
}

// mpv's OpenGL output refuses a software renderer (and costs several times the CPU of plain X11 drawing
// on one); plain X11 draws anywhere.
const char* MpvHandle::videoOutput() {
    switch (videoDrawing()) {
        case VideoDrawing::Gpu:
            return "gpu,x11";
        case VideoDrawing::XVideo:
            return "xv,x11";
        case VideoDrawing::X11:
            break;
    }
    return "x11";
}

MpvHandle::~MpvHandle() {
    mpv_terminate_destroy(m_handle);
}

int MpvHandle::command(std::initializer_list<const char*> args) const {
    std::vector<const char*> list(args);
    list.push_back(nullptr);
    return mpv_command(m_handle, list.data());
}

int MpvHandle::setFlag(const char* name, bool value) const {
    int flag = value ? 1 : 0;
    return mpv_set_property(m_handle, name, MPV_FORMAT_FLAG, &flag);
}

int MpvHandle::setDouble(const char* name, double value) const {
    return mpv_set_property(m_handle, name, MPV_FORMAT_DOUBLE, &value);
}

int MpvHandle::setInt64(const char* name, qint64 value) const {
    int64_t number = value;
    return mpv_set_property(m_handle, name, MPV_FORMAT_INT64, &number);
}

int MpvHandle::setString(const char* name, const char* value) const {
    return mpv_set_property_string(m_handle, name, value);
}

double MpvHandle::doubleProperty(const char* name, double fallback) const {
    double value = 0;
    return mpv_get_property(m_handle, name, MPV_FORMAT_DOUBLE, &value) < 0 ? fallback : value;
}

qint64 MpvHandle::int64Property(const char* name, qint64 fallback) const {
    int64_t value = 0;
    return mpv_get_property(m_handle, name, MPV_FORMAT_INT64, &value) < 0 ? fallback : value;
}

QString MpvHandle::stringProperty(const char* name) const {
    char* text = mpv_get_property_string(m_handle, name);
    if (!text) return {};
    const QString value = QString::fromUtf8(text);
    mpv_free(text);
    return value;
}
