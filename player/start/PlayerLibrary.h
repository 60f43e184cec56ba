#pragma once

class InstanceLock;

// The player itself (windows, engines, settings) is a library beside the program, loaded only by a start
// that becomes the player: a start that hands its files over to a running player loads no toolkit at all.
namespace playerlibrary {

inline constexpr const char* kFileName = "libbrandock_player.so";
inline constexpr const char* kEntryName = "kestruneRunPlayer";

// Runs the player with the instance lock this start holds, and answers the process's exit code.
using Entry = int (*)(int argc, char* argv[], InstanceLock* instanceLock);

}  // namespace playerlibrary
