#pragma once

#include <unistd.h>

// While the object lives the process acts as another user, with that user's effective user and group
// ids, as a program that user started would towards files; root only. The ids before come back after.
class EffectiveUser {
  public:
    explicit EffectiveUser(uid_t uid)
        : m_uid(geteuid()), m_gid(getegid()), m_switched(setegid(uid) == 0 && seteuid(uid) == 0) {}
    ~EffectiveUser() {
        if (seteuid(m_uid) != 0 || setegid(m_gid) != 0) _exit(3);  // never go on as another user
    }
    EffectiveUser(const EffectiveUser&) = delete;
    EffectiveUser& operator=(const EffectiveUser&) = delete;
    bool switched() const { return m_switched; }

  private:
    uid_t m_uid;
    gid_t m_gid;
    bool m_switched;
};
