#include "SqliteValues.h"

#include <QByteArray>

#include "base/FileSystemNames.h"

namespace sqlitevalues {

int bindValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return sqlite3_bind_double(statement, index, value.toDouble());
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            return sqlite3_bind_blob64(statement, index, bytes.constData(),
                                       static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
        }
        default: {
            const QByteArray text = bytesForFileSystem(value.toString());
            return sqlite3_bind_text64(statement, index, text.constData(),
                                       static_cast<sqlite3_uint64>(text.size()), SQLITE_TRANSIENT,
                                       SQLITE_UTF8);
        }
    }
}

int bindAll(sqlite3_stmt* statement, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i) {
        const int rc = bindValue(statement, i + 1, values.at(i));
        if (rc != SQLITE_OK) return rc;
    }
    return SQLITE_OK;
}

QVariant columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qint64>(sqlite3_column_int64(statement, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(statement, column));
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            return QVariant(
                strFromFileSystemBytes(QByteArray(text, sqlite3_column_bytes(statement, column))));
        }
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
            return QVariant(QByteArray(data, sqlite3_column_bytes(statement, column)));
        }
        default:
            return QVariant();
    }
}

QString strLastError(sqlite3* db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

}  // namespace sqlitevalues
