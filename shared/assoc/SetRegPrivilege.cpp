#include "SetRegPrivilege.h"

bool SetRegPrivilege::boolEnablePrivilege(QString& strErrInfo) {
    strErrInfo.clear();
    return true;
}

bool SetRegPrivilege::boolUnEnablePrivilege(QString& strErrInfo) {
    strErrInfo.clear();
    return true;
}
