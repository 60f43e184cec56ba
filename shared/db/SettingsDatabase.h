#pragma once

#include <QString>

// The settings database file "SysConfig" beside Brandock and Tolvane.
namespace settingsdb {

inline const QString kFileName = QStringLiteral("SysConfig");

// The settings file of a program folder: the existing "SysConfig", spelled in any case, or the name to
// create.
QString strPathInProgramFolder(const QString& programFolder);

// The settings file that the programs of a program folder use: the folder's own "SysConfig" when the user
// may write the folder, else the user's own copy in their data folder (strUserWritableFolder).
QString strSettingsPath(const QString& programFolder);

// Makes that settings file ready: created when missing (a user's own copy starts as a copy of the
// "SysConfig" shipped in the program folder when there is one, else from the built-in schema) and given
// the tables it lacks. Its path goes to strPath in any case; false with the reason when it is not ready.
bool boolPrepareSettings(const QString& programFolder, QString& strPath, QString& strErrInfo);

// True when this user can store settings in the file: it exists, and both it and its folder (where
// SQLite keeps its journal) can be written.
bool boolWritable(const QString& path);

// Creates the settings file of a program folder from the built-in schema when no file of that name (in any
// case) exists. The file appears whole or not at all, readable and writable by the user alone. True when the
// file exists afterwards; false with the reason otherwise.
bool boolCreateIfMissing(const QString& programFolder, QString& strErrInfo);

// Gives the settings file the tables of the built-in schema that it lacks, each with its indexes: a file of
// no bytes gets the whole schema. The tables it has stay as they are, rows and all. True when it lacks none
// afterwards; false with the reason otherwise (another program holds it, it is no database, it is read-only).
bool boolAddMissingTables(const QString& path, QString& strErrInfo);

// The built-in schema, as SQL statements.
const char* schemaSql();

}  // namespace settingsdb
