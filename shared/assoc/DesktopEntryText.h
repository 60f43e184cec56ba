#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

// The text rules of desktop entries: reading one entry's groups, the string escapes of values, and the
// quoting of a program inside Exec=.
namespace desktop_entry {

// One group of a desktop entry: its keys (as written, the first of equal keys wins) and their raw values.
using Group = std::map<QString, QString>;

// The groups of an entry by name. Any bytes parse: lines that are no "key=value" or group header are
// skipped, and keys before the first header are dropped.
std::map<QString, Group> parseGroups(const QByteArray& bytes);

// A string value with "\s", "\n", "\t", "\r" and "\\" undone; a backslash before anything else stays.
QString unescapeValue(const QString& raw);
QString escapeValue(const QString& value);

// A list value ("a;b;") split at unescaped ";" and unescaped item by item; empty items are dropped.
QStringList splitList(const QString& raw);

// The Exec= text (escaped as a value) that starts `program`, then `arguments` as written (for instance
// "%F" or "--add %F"): the program quoted when it holds a reserved character, with """, "`", "$" and "\"
// escaped inside the quotes, and "%" doubled.
QString execValue(const QString& program, const QString& arguments);
// The program of an Exec= value (the raw text as stored): the first word with quoting, escapes and "%%"
// undone. False for a value that does not start with a word or has an unterminated quote.
bool programOfExec(const QString& raw, QString& program);

}  // namespace desktop_entry
