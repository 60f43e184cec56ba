#pragma once

#include <QString>

// Creates the database file at path from SQL statements (a schema compiled into the program) when no file
// exists there. The file appears whole or not at all, readable and writable by the user alone; a file made
// by another program in the meantime is kept. True when the file exists afterwards; false with the reason
// otherwise. When strTemplatePath names a file, the new file is a copy of it instead (a database shipped
// with the program that each user starts from).
bool boolCreateDatabaseIfMissing(const QString& path, const char* schemaSql, QString& strErrInfo,
                                 const QString& strTemplatePath = QString());
