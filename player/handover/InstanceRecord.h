#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The record one player process hands another: the 32-bit kind (always 1) and byte count, little-endian,
// then a zero-filled 2000-byte buffer whose first bytes are the string in UTF-16LE. The count is two bytes a
// character plus one, and the buffer must keep a NUL after the text, so one record carries 999 characters.
namespace instancerecord {

// The one kind of record there is: a string.
inline constexpr quint32 kStringRecord = 1;
inline constexpr int kBufferBytes = 2000;
inline constexpr int kRecordBytes = 4 + 4 + kBufferBytes;
inline constexpr int kMaxChars = kBufferBytes / 2 - 1;
// The byte the player answers with once it has handled a record.
inline constexpr char kHandled = 1;

// The record for a string of at most kMaxChars characters; a longer one is cut to that length, so a caller
// that must not lose it sends it another way.
QByteArray buildRecord(const QString& text);

// The string a record carries, cut at its first NUL; nothing when the record is not of kind 1 or not a whole
// record. A byte count beyond the buffer reads only the buffer.
std::optional<QString> textOfRecord(const QByteArray& record);

}  // namespace instancerecord
