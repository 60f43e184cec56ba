#pragma once

// The entry points of an engine plugin library (engines/ in the program folder), resolved at run time.
// A plugin exports kestrune_engine_abi, kestrune_engine_start and the create function of its role.

#include <cstddef>

class QWidget;
class RealPlayerEngine;
class MediaPlayerEngine;

// The version of the engine interfaces (RealPlayerEngine, MediaPlayerEngine) and of the entry points below.
// It goes up with every change to any of them; the loader takes only plugins built for its own version.
inline constexpr int kEngineAbiVersion = 1;

extern "C" {
// The version of the engine interfaces the plugin was built for: kEngineAbiVersion of its build. The loader
// asks for it before it calls anything else of the plugin.
using KestruneEngineAbi = int (*)();
// Starts the engine library once per process. Writes its version text (NUL-terminated, cut to the buffer)
// and answers true, or answers false when the library cannot start.
using KestruneEngineStart = bool (*)(char* version, std::size_t size);
// A new engine whose video widget is a child of parent; only after a successful start.
using KestruneCreateRealPlayer = RealPlayerEngine* (*)(QWidget* parent);
using KestruneCreateMediaPlayer = MediaPlayerEngine* (*)(QWidget* parent);
}

inline constexpr const char* kEngineAbiSymbol = "kestrune_engine_abi";
inline constexpr const char* kEngineStartSymbol = "kestrune_engine_start";
inline constexpr const char* kCreateRealPlayerSymbol = "kestrune_create_real_player";
inline constexpr const char* kCreateMediaPlayerSymbol = "kestrune_create_media_player";

// Plugin file names in the engines folder.
inline constexpr const char* kRealPlayerPluginName = "libkestrune_engine_mpv.so";
inline constexpr const char* kMediaPlayerPluginName = "libkestrune_engine_gstreamer.so";

// Environment setting that sends the engines' audio nowhere ("null"), for machines without a sound device.
inline constexpr const char* kAudioOutputVariable = "KESTRUNE_AUDIO_OUTPUT";
