#pragma once

#include <QString>

// The folder of the running executable, without a trailing separator.
QString strProgramFolder();

// The folder cut before its last separator: the parent of the program folder.
QString strParentFolder(const QString& folder);

// folder + "/" + name, where an existing entry whose name matches ignoring case is taken as it is
// spelled on disk: "SysConfig" and "sysconfig" name one file.
QString strPathInFolderIgnoringCase(const QString& folder, const QString& name);

// The same resolution for a whole path: the path itself when it exists, else its folder's entry whose name
// matches ignoring case, else the path unchanged.
QString strResolvePathIgnoringCase(const QString& path);
