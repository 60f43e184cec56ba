#pragma once

#include <QString>

// Switches on the privileges the association writes need, and off again at the end. A Linux process holds
// no such privileges: the user's own files are all the association touches, so the token is always "open"
// and both switches succeed without changing anything.
class SetRegPrivilege {
  public:
    bool boolEnablePrivilege(QString& strErrInfo);
    bool boolUnEnablePrivilege(QString& strErrInfo);
};
