#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "startcore/InstanceRecord.h"

// The record one player process hands another (startcore/InstanceRecord.h), in Qt's terms.
namespace instancerecord {

// The record for a string of at most kMaxChars characters; a longer one is cut to that length, so a caller
// that must not lose it sends it another way.
QByteArray buildRecord(const QString& text);

// The string a record carries, cut at its first NUL; nothing when the record is not of kind 1 or not a whole
// record. A byte count beyond the buffer reads only the buffer.
std::optional<QString> textOfRecord(const QByteArray& record);

}  // namespace instancerecord
