#pragma once

#include <QString>
#include <QStringList>

// Whether the user running the program may change the desktop's associations for everyone: root, or a
// member of a group named "administrators", "sudo", "wheel" or "admin" (any letter case).
class CheckUserFigure {
  public:
    // The logon name of the process's user (at most 200 characters).
    static QString getCurrentUserName();
    // The names of the groups the user belongs to; a one-element list holding "" when none are known.
    // For the process's own user the groups are the process's own (as the session gave them); for another
    // user, the group database's. server is ignored: there is no other machine to ask.
    static void GetUserGroups(const QString& server, const QString& user, bool local, QStringList& groups);
    static bool boolUserBlongToAdminsGroup();
};
