#pragma once

#include <sqlite3.h>

#include <QString>
#include <QVariant>
#include <QVariantList>

// Moving values between QVariant and SQLite statements: every value reaches SQL as a bound parameter. A text
// is stored as the bytes it stands for (base/FileSystemNames.h), so that a file name that is not UTF-8 comes
// back byte for byte.
namespace sqlitevalues {

// Binds one value at 1-based index; a null or invalid QVariant binds SQL NULL.
int bindValue(sqlite3_stmt* statement, int index, const QVariant& value);

// Binds values to parameters 1..n; answers the first SQLite error code, or SQLITE_OK.
int bindAll(sqlite3_stmt* statement, const QVariantList& values);

// The value of a result column: integer, real, text, blob, or a null QVariant for NULL.
QVariant columnValue(sqlite3_stmt* statement, int column);

// The text of the connection's last error.
QString strLastError(sqlite3* db);

}  // namespace sqlitevalues
