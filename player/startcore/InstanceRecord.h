#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The record one player process hands another: the 32-bit kind (always 1) and byte count, little-endian,
// then a zero-filled 2000-byte buffer whose first bytes are the string in UTF-16LE. The count is two bytes a
// character plus one, and the buffer must keep a NUL after the text, so one record carries 999 characters.
namespace instancerecord {

// The one kind of record there is: a string.
inline constexpr std::uint32_t kStringRecord = 1;
inline constexpr int kBufferBytes = 2000;
inline constexpr int kRecordBytes = 4 + 4 + kBufferBytes;
inline constexpr int kMaxChars = kBufferBytes / 2 - 1;
// The byte the player answers with once it has handled a record.
inline constexpr char kHandled = 1;

// The record's bytes for a string of at most kMaxChars UTF-16 code units; a longer one is cut to that
// length, so a caller that must not lose it sends it another way.
std::string recordBytes(std::u16string_view text);

}  // namespace instancerecord
