#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The writer's half of the command lines that hand the player a list of files through a file-list block
// (the reader's half, and the forms in full, are handover/FileListCommand.h):
//   "DMenuF_1__" + "/?%/" + block name + "/?%/" + block size   adds the block's files and plays the first,
//   "DMenuF_2__" + "/?%/" + block name + "/?%/" + block size   only adds them.
// A block is "/" + its name in the user's POSIX shared memory, holding UTF-16LE text of block size bytes:
// the file manager's paths joined by "@@_F%D-F_@", or a start's own, kOwnListMark and then the paths
// separated by NUL, which no path or address holds.
namespace filelist {

inline constexpr std::u16string_view kPlayCommandPrefix = u"DMenuF_1__";
inline constexpr std::u16string_view kAddCommandPrefix = u"DMenuF_2__";
inline constexpr std::u16string_view kCommandFieldSeparator = u"/?%/";
inline constexpr std::u16string_view kFileListSeparator = u"@@_F%D-F_@";
inline constexpr std::u16string_view kOwnListMark{u"\0kestrune-list\0", 15};
// Larger blocks are refused: a command line names the size, and nobody hands over 64 MiB of paths.
inline constexpr std::int32_t kMaxBlockSize = 64 * 1024 * 1024;

enum class CommandMode { Single, Play, Add };

// Play or add when the first 10 characters are exactly a command prefix (case counts), else single.
CommandMode commandModeOf(std::u16string_view text);
std::u16string strFileListCommand(bool boolPlay, std::u16string_view strBlockName, std::int32_t lngBlockSize);

// A name shm can hold as a single component: not empty, no "/" or NUL, not "." or "..", short enough.
bool boolValidBlockName(std::u16string_view name);
// The shared-memory object of a block name: "/" and the name's bytes.
std::string shmNameOf(std::u16string_view name);
// Removes the block's name; mappings still open keep their memory until they end.
bool boolRemoveBlock(std::u16string_view name);

// Creates the block `name` holding the files as the file manager writes them, and answers its size in lngFS.
// The block stays until boolRemoveBlock(name). Fails without files, when the block exists already or cannot
// be made.
bool boolWriteFileListBlock(std::u16string_view name, const std::vector<std::u16string>& files,
                            std::int32_t& lngFS, std::u16string& error);
// The same for a start's own files, marked and separated by NUL: every path comes back whole. Fails too for
// a path that holds a NUL.
bool boolWriteOwnFileListBlock(std::u16string_view name, const std::vector<std::u16string>& files,
                               std::int32_t& lngFS, std::u16string& error);

}  // namespace filelist
