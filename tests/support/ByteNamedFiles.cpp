#include "ByteNamedFiles.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <QFile>
#include <QStringList>
#include <fstream>

namespace bytenames {

QByteArray copyUnder(const QString& source, const QByteArray& folder, const QByteArray& name) {
    ::mkdir(folder.constData(), 0700);
    const QByteArray path = folder + '/' + name;
    QFile in(source);
    in.open(QIODevice::ReadOnly);
    std::ofstream out(path.toStdString(), std::ios::binary);
    const QByteArray content = in.readAll();
    out.write(content.constData(), content.size());
    return path;
}

QString playerText(const QByteArray& path) {
    QString text;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < 0x80 ? QChar(byte) : QChar(0xDC00 + byte);
    }
    return text;
}

void startWithByteArguments(QProcess& process, const QString& program, const QList<QByteArray>& arguments,
                            const QByteArray& workingFolder) {
    QString script = QStringLiteral("cd \"$KESTRUNE_TEST_FOLDER\" && exec \"$0\"");
    qputenv("KESTRUNE_TEST_FOLDER", workingFolder);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray name = "KESTRUNE_TEST_ARGUMENT_" + QByteArray::number(i);
        qputenv(name.constData(), arguments.at(i));
        script += QStringLiteral(" \"$%1\"").arg(QString::fromLatin1(name));
    }
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, program});
    process.waitForStarted(10000);
    qunsetenv("KESTRUNE_TEST_FOLDER");
    for (qsizetype i = 0; i < arguments.size(); ++i)
        qunsetenv(("KESTRUNE_TEST_ARGUMENT_" + QByteArray::number(i)).constData());
}

QList<QByteArray> storedBytes(const QString& databasePath, const char* sql) {
    QList<QByteArray> values;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(databasePath).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                values << QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, 0)),
                                     sqlite3_column_bytes(statement, 0));
            }
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return values;
}

}  // namespace bytenames
