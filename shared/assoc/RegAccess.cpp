#include "RegAccess.h"

#include "RegistryStores.h"

namespace {
bool failed(QString& strErrInfo, long& lngErrType, const QString& reason) {
    strErrInfo = reason;
    lngErrType = -1;
    return false;
}
}  // namespace

bool RegAccess::boolRegRead(const QString& strRegPath, QString& strRegValue, QString& strErrInfo,
                            long& lngErrType) {
    strRegValue.clear();
    RegistryPath path;
    QString error;
    if (!RegistryPath::parse(strRegPath, path, error)) return failed(strErrInfo, lngErrType, error);
    if (!registryStore()->read(path, strRegValue, error)) {
        strRegValue.clear();
        return failed(strErrInfo, lngErrType, error);
    }
    return true;
}

bool RegAccess::boolRegWrite(const QString& strRegPath, const QString& strRegValue, QString& strErrInfo,
                             long& lngErrType) {
    RegistryPath path;
    QString error;
    if (!RegistryPath::parse(strRegPath, path, error)) return failed(strErrInfo, lngErrType, error);
    if (!registryStore()->write(path, strRegValue, error)) return failed(strErrInfo, lngErrType, error);
    return true;
}

bool RegAccess::boolRegDelete(const QString& strRegPath, QString& strErrInfo, long& lngErrType) {
    RegistryPath path;
    QString error;
    if (!RegistryPath::parse(strRegPath, path, error)) return failed(strErrInfo, lngErrType, error);
    if (!registryStore()->remove(path, error)) return failed(strErrInfo, lngErrType, error);
    return true;
}
