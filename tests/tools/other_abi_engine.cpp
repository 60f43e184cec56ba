// An engine plugin the loader must refuse: built for another version of the engine interfaces
// (KESTRUNE_OTHER_ENGINE_ABI), or, without that, naming none. Starting it leaves a mark in the environment,
// so that a test sees whether the loader called it.
#include <QByteArray>

#include "engines/api/EnginePlugin.h"

extern "C" {
#ifdef KESTRUNE_OTHER_ENGINE_ABI
Q_DECL_EXPORT int kestrune_engine_abi() {
    return KESTRUNE_OTHER_ENGINE_ABI;
}
#endif

Q_DECL_EXPORT bool kestrune_engine_start(char*, std::size_t) {
    qputenv("KESTRUNE_OTHER_ABI_ENGINE_STARTED", "1");
    return true;
}

Q_DECL_EXPORT RealPlayerEngine* kestrune_create_real_player(QWidget*) {
    return nullptr;
}

Q_DECL_EXPORT MediaPlayerEngine* kestrune_create_media_player(QWidget*) {
    return nullptr;
}
}
