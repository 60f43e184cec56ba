#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

// Names in the file system are bytes, and not always UTF-8: old files named in GBK are common. The player
// keeps a path as text all the way from where it enters (the command line, a drop, the file dialog, the
// settings database) to where it leaves (the file system, the engines, the database) without losing a byte:
// bytes that are valid UTF-8 become their characters, and every other byte b becomes the lone surrogate
// U+DC00 + b (U+DC80..U+DCFF), which no valid UTF-8 ever gives, so that the text turns back into the very
// bytes it came from. Qt's own conversions (QFile::decodeName, QString::fromUtf8) put U+FFFD there instead.

// The text for a name's bytes.
QString strFromFileSystemBytes(const QByteArray& bytes);
// The bytes the text stands for; valid text gives its UTF-8. A surrogate that is neither paired nor a
// stand-in for a byte gives U+FFFD.
QByteArray bytesForFileSystem(const QString& text);

// The local path a file URL names, byte for byte: the URL's percent escapes are the bytes of the name.
// Empty for a URL that names no local file.
QString strLocalPathOfUrl(const QUrl& url);

// Whether the path names an existing regular file (symbolic links followed), or anything at all.
bool boolIsFileOnDisk(const QString& path);
bool boolExistsOnDisk(const QString& path);

// The process's current folder, and a path made absolute against a folder (and cleaned), as text.
QString strCurrentFolder();
QString strAbsolutePathIn(const QString& folder, const QString& path);
