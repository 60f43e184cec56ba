#pragma once

#include <string>
#include <string_view>

// Only one player runs per user. The first process holds a lock file in the user's runtime folder and
// listens on a local socket beside it that only this user may open; a later process sends its strings there
// and ends. Both are named from the player's instance caption, which its tray window also carries.
namespace handover {

inline constexpr const char* kInstanceCaption = "play27182831415";

// The folder of the lock and the socket, which must be the user's alone (basecore/RuntimeFolder.h). Empty,
// with the reason in strErrInfo, when that folder is there and is not such a folder: the channel's files
// never go where another user could have put something first.
std::u16string strRuntimeFolder(std::u16string* strErrInfo = nullptr);
// The lock file and the socket in that folder; both empty without one.
std::u16string strLockFilePathIn(std::u16string_view folder);
std::u16string strServerPathIn(std::u16string_view folder);

// How long a sender waits for room in the channel's queue, and for the running player to take a string,
// before giving up.
inline constexpr int kConnectTimeoutMs = 5000;
inline constexpr int kSendTimeoutMs = 60000;

// What a later start does: "-SMF" to the running player, then the command line when there is one; a command
// line too long for one record travels as a file-list block of this start's own. Needs no display: a start
// that only hands over never connects to the window system. A player that is still starting has no channel
// yet; the start then ends without handing anything over.
void handOverToRunningPlayer(std::u16string_view strCommandLine);

}  // namespace handover
