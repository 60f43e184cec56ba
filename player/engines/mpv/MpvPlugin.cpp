// The plugin's entry points, resolved by the player's engine loader.
#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <utility>

#include "MpvEngine.h"
#include "engines/api/EnginePlugin.h"

extern "C" {

Q_DECL_EXPORT int kestrune_engine_abi() {
    return kEngineAbiVersion;
}

Q_DECL_EXPORT bool kestrune_engine_start(char* version, std::size_t size) {
    // The library must speak the client interface this plugin was built against.
    if (mpv_client_api_version() >> 16 != MPV_CLIENT_API_VERSION >> 16) return false;
    static const QByteArray text = [] {
        auto mpv = MpvHandle::create();
        const QString name = mpv ? mpv->stringProperty("mpv-version") : QString();
        MpvHandle::keepForFirstEngine(std::move(mpv));
        return name.isEmpty() ? QByteArray() : QByteArray("lib") + name.toUtf8();  // "libmpv 0.35.1"
    }();
    if (text.isEmpty()) return false;
    if (size > 0) {
        const std::size_t length = std::min(size - 1, static_cast<std::size_t>(text.size()));
        std::memcpy(version, text.constData(), length);
        version[length] = '\0';
    }
    return true;
}

Q_DECL_EXPORT RealPlayerEngine* kestrune_create_real_player(QWidget* parent) {
    return MpvEngine::create(parent).release();
}
}
