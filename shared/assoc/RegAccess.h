#pragma once

#include <QString>

// Reads, writes and deletes one value or key of the store in force, addressed by a registry path (see
// RegistryPath). On failure the answer is false, the value read is empty, strErrInfo holds the reason and
// lngErrType is -1.
class RegAccess {
  public:
    bool boolRegRead(const QString& strRegPath, QString& strRegValue, QString& strErrInfo, long& lngErrType);
    bool boolRegWrite(const QString& strRegPath, const QString& strRegValue, QString& strErrInfo,
                      long& lngErrType);
    bool boolRegDelete(const QString& strRegPath, QString& strErrInfo, long& lngErrType);
};
