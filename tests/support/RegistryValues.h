#pragma once

#include <QString>
#include <optional>

#include "assoc/RegAccess.h"

// The association store's values as the tests read and write them, through RegAccess on the store in use.
namespace regvalues {
inline std::optional<QString> read(const QString& path) {
    QString value, error;
    long type = 0;
    if (!RegAccess().boolRegRead(path, value, error, type)) return std::nullopt;
    return value;
}
// The value, or "<none>" when it cannot be read.
inline QString shown(const QString& path) {
    return read(path).value_or(QStringLiteral("<none>"));
}
inline bool write(const QString& path, const QString& value) {
    QString error;
    long type = 0;
    return RegAccess().boolRegWrite(path, value, error, type);
}
inline bool remove(const QString& path) {
    QString error;
    long type = 0;
    return RegAccess().boolRegDelete(path, error, type);
}
}  // namespace regvalues
