#pragma once

#include <QString>
#include <QStringList>

#include "base/CoreText.h"
#include "startcore/FileListBlockWriter.h"

// The command lines that hand the player a list of files through a file-list block (MF):
//   "DMenuF_1__" + "/?%/" + block name + "/?%/" + block size   adds the block's files and plays the first,
//   "DMenuF_2__" + "/?%/" + block name + "/?%/" + block size   only adds them.
// The block holds the files' paths joined by "@@_F%D-F_@", as UTF-16LE text of block size bytes.
// Any other text is one file path.
//
// A path may hold that separator itself. The blocks a start of the player writes for its own files therefore
// begin with kOwnListMark and separate the files with NUL, which no path or address holds; the file
// manager's blocks never begin with a NUL (one that does reads as empty), so the reader tells them apart.

inline const QString kPlayCommandPrefix = qtText(filelist::kPlayCommandPrefix);
inline const QString kAddCommandPrefix = qtText(filelist::kAddCommandPrefix);
inline const QString kCommandFieldSeparator = qtText(filelist::kCommandFieldSeparator);
inline const QString kFileListSeparator = qtText(filelist::kFileListSeparator);
inline const QString kOwnListMark = qtText(filelist::kOwnListMark);

using filelist::CommandMode;

struct FileListCommand {
    CommandMode mode = CommandMode::Single;
    QString strBlockName;
    qint32 lngBlockSize = 0;
};

// Play or add when the first 10 characters are exactly a command prefix (case counts), else single.
CommandMode commandModeOf(const QString& text);
// Reads the mode, the block name (field 1) and the block size (field 2, decimal, 32 bits). False for a
// single path, for fewer than three fields and for a size that is not such a number.
bool boolParseFileListCommand(const QString& text, FileListCommand& command);
// The block's text: opened, read through its descriptor and closed in one go, never mapped, so a writer that
// shrinks its block meanwhile cannot harm the reader. Empty when it cannot be read.
QString strReadFileListBlock(const QString& strBlockName, qint32 lngBlockSize);
// The list for BatchAddMovie: index 0 empty, then the text's pieces between separators, empty ones included.
// The text ends at its first NUL; a text empty up to there (a zero-filled block) lists no files. A text
// that begins with kOwnListMark lists the pieces between NULs after the mark.
QStringList fileListFromBlockText(const QString& text);
// The list a command line asks BatchAddMovie to add (index 0 empty) and whether to play; a list without files
// (size 1) means nothing is to be added.
QStringList commandFileList(const QString& text, bool& boolPlay);
// The same, and the name of the block when it was one of a start's own (empty otherwise): the reader removes
// such a block once it has taken its files in, which tells a writer still waiting that it was read. Other
// blocks are their writers' to remove.
QStringList commandFileList(const QString& text, bool& boolPlay, QString& strOwnBlockRead);

// The writer's half, for whoever hands the player files (startcore/FileListBlockWriter.h).
QString strFileListCommand(bool boolPlay, const QString& strBlockName, qint32 lngBlockSize);
// Creates the block `name` holding the files as the file manager writes them, and answers its size in lngFS.
// The block stays until MF::boolRemoveBlock(name). Fails without files, when the block exists already or
// cannot be made.
bool boolWriteFileListBlock(const QString& name, const QStringList& files, qint32& lngFS, QString& error);
// The same for a start's own files, marked and separated by NUL: every path comes back whole. Fails too for
// a path that holds a NUL.
bool boolWriteOwnFileListBlock(const QString& name, const QStringList& files, qint32& lngFS, QString& error);
