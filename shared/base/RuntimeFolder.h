#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// The folder of the programs' per-user lock files and sockets, which must be the user's alone
// (basecore/RuntimeFolder.h, whose rule this is): XDG_RUNTIME_DIR when it is a folder (not a link) that the
// user owns with mode 0700, else "kestrune-<uid>" in the temporary folder, made with mode 0700 when missing.
// Empty when that folder is there and is not such a folder (strRejected then names it): nothing goes where
// another user could have put something first.
QString strPrivateRuntimeFolder(QString* strRejected = nullptr);

// One running process of a program per user: a lock file named after the program in the private runtime
// folder. A lock left by a process that died is taken over at once.
class UserInstanceLock {
  public:
    // True when this process holds the lock for strName, or when there is no runtime folder to hold one in
    // (the process then runs without the test); false when another live process holds it.
    bool boolAcquire(const QString& strName);

  private:
    std::unique_ptr<QLockFile> m_lock;
};
