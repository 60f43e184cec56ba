#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

// The MIME types of a file extension (".mp3"): every type the shared MIME database matches for a file of
// that name, or, when it knows none, the type of the player's own table of its media extensions.
namespace extension_types {

// The database's types for the extension, most likely first; empty when the database knows none.
QStringList knownTypes(const QString& extension);
// The table's type for one of the player's extensions (ignoring case), or "".
QString tableType(const QString& extension);
// knownTypes(), else the table's type, else nothing.
QStringList typesOf(const QString& extension);
// Every type of the table, each once, under the names tableType() gives: the types the player opens.
QStringList tableTypes();

// A MIME package (shared-mime-info's XML) that gives each extension its type by a glob "*<ext>"; the
// map runs from extension to type.
QByteArray packageText(const std::map<QString, QString>& globs);
// The extension-to-type pairs of a package written by packageText(); nothing for anything else.
std::map<QString, QString> packageGlobs(const QByteArray& text);

}  // namespace extension_types
