#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>

// Files whose names are not UTF-8, as old files named in GBK are, handled as bytes: Qt's own file and process
// functions would turn such a name into replacement characters.
namespace bytenames {

// "你好" and "中文" in GBK: none of their bytes is part of valid UTF-8.
inline const QByteArray kGbkHello = QByteArrayLiteral("\xc4\xe3\xba\xc3");
inline const QByteArray kGbkChinese = QByteArrayLiteral("\xd6\xd0\xce\xc4");

// Makes the folder and copies the file there under the name (an empty source gives an empty file); answers
// the new path.
QByteArray copyUnder(const QString& source, const QByteArray& folder, const QByteArray& name);

// The player's text for a path whose bytes above 0x7F are no part of valid UTF-8 (as the names above): each
// such byte stands as the character U+DC00 + byte.
QString playerText(const QByteArray& path);

// Starts the program with these arguments, byte for byte, in that folder (through sh, which takes them from
// the environment).
void startWithByteArguments(QProcess& process, const QString& program, const QList<QByteArray>& arguments,
                            const QByteArray& workingFolder);

// The bytes of the first column of every row the query answers, as stored.
QList<QByteArray> storedBytes(const QString& databasePath, const char* sql);

}  // namespace bytenames
