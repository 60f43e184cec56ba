#pragma once

#include <QString>
#include <cstdint>

inline constexpr std::uint32_t kHkeyClassesRoot = 0x80000000u;
inline constexpr std::uint32_t kGenericAll = 0x10000000u;

// Gives a user write access to one key: on Linux, to the file of the store that holds the key.
class SetRegItemACL {
  public:
    // True when the user may now write the key's file (it already could: nothing changes). False for an
    // unknown root or user, a key that does not exist, or a file the user does not own and cannot write.
    bool pSetKeyAccess(std::uint32_t erkRootKey, const QString& lsSubKey, const QString& lsUserName,
                       std::uint32_t lekpMask);
    QString strErrInfo() const { return m_strErrInfo; }

  private:
    QString m_strErrInfo;
};
