#pragma once

// The entry points of an engine plugin library (engines/ in the program folder), resolved at run time.
// A plugin exports kestrune_engine_start and the create function of its role.

#include <cstddef>

class QWidget;
class RealPlayerEngine;
class MediaPlayerEngine;

extern "C" {
// Starts the engine library once per process. Writes its version text (NUL-terminated, cut to the buffer)
// and answers true, or answers false when the library cannot start.
using KestruneEngineStart = bool (*)(char* version, std::size_t size);
// A new engine whose video widget is a child of parent; only after a successful start.
using KestruneCreateRealPlayer = RealPlayerEngine* (*)(QWidget* parent);
using KestruneCreateMediaPlayer = MediaPlayerEngine* (*)(QWidget* parent);
}

inline constexpr const char* kEngineStartSymbol = "kestrune_engine_start";
inline constexpr const char* kCreateRealPlayerSymbol = "kestrune_create_real_player";
inline constexpr const char* kCreateMediaPlayerSymbol = "kestrune_create_media_player";

// Plugin file names in the engines folder.
inline constexpr const char* kRealPlayerPluginName = "libkestrune_engine_mpv.so";
inline constexpr const char* kMediaPlayerPluginName = "libkestrune_engine_gstreamer.so";

// Environment setting that sends the engines' audio nowhere ("null"), for machines without a sound device.
inline constexpr const char* kAudioOutputVariable = "KESTRUNE_AUDIO_OUTPUT";
