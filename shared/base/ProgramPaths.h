#pragma once

#include <QString>

// The folder of the running executable, without a trailing separator.
QString strProgramFolder();

// Where a program keeps the files it writes beside itself (settings, parameters): the folder itself when the
// user may write it, as for a program unpacked in the user's own folder; for an installed program, the same
// place in the user's own data folder, $XDG_DATA_HOME/kestrune/<subfolder>, made when missing and open to
// the user alone. So each user of an installed program keeps their own files.
QString strUserWritableFolder(const QString& folder, const QString& subfolder = QString());

// The folder cut before its last separator: the parent of the program folder.
QString strParentFolder(const QString& folder);

// folder + "/" + name, where an existing entry whose name matches ignoring case is taken as it is
// spelled on disk: "SysConfig" and "sysconfig" name one file.
QString strPathInFolderIgnoringCase(const QString& folder, const QString& name);

// The same resolution for a whole path: the path itself when it exists, else its folder's entry whose name
// matches ignoring case, else the path unchanged.
QString strResolvePathIgnoringCase(const QString& path);
