#pragma once

#include <string>
#include <string_view>

// The player's rules for names in the file system (see base/FileSystemNames.h), on plain strings: a text is
// UTF-16 code units, the very content of a QString, so that the Qt side takes it over unchanged. Valid UTF-8
// becomes its characters and every other byte b the lone surrogate U+DC00 + b, which turns back into b.
namespace basecore {

// The text for a name's bytes.
std::u16string strFromFileSystemBytes(std::string_view bytes);
// The bytes the text stands for; valid text gives its UTF-8. A surrogate that is neither paired nor a
// stand-in for a byte gives U+FFFD.
std::string bytesForFileSystem(std::u16string_view text);

// Whether the path names an existing regular file (symbolic links followed), or anything at all.
bool boolIsFileOnDisk(std::u16string_view path);
bool boolExistsOnDisk(std::u16string_view path);

// The process's current folder as text; empty when the system cannot tell it.
std::u16string strCurrentFolder();
// The path without empty and "." segments, each ".." taken out with the segment before it (a ".." with
// none before it stays, at the root too), and without a trailing "/" but for the root itself: "." for a
// relative path that ends up empty, an empty path stays empty. As QDir::cleanPath on Linux.
std::u16string strCleanPath(std::u16string_view path);
// The path made absolute against a folder, and cleaned.
std::u16string strAbsolutePathIn(std::u16string_view folder, std::u16string_view path);

}  // namespace basecore
