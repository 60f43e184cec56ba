#pragma once

#include <QString>

// Which system the player runs on, and whether the engine installers shipped with it suit that system.
class CheckOSVersion {
  public:
    static constexpr int kUnrecognised = 10;

    int enumOSVersionFlag() const { return m_enumOSVersionFlag; }
    const QString& strOSName() const { return m_strOSName; }

    // Recognises the running system: a Linux desktop counts as the newest system the installers serve,
    // named as its /etc/os-release names it.
    void getOSVersion();
    // Recognises a system from its version record (platform id, major and minor version).
    void getOSVersion(int platformId, int major, int minor);
    // Whether the engine installers and download pages serve the recognised system.
    bool boolSupported() const;

    // The system's own name from an os-release file: PRETTY_NAME, else NAME, else "Linux".
    static QString strOSReleaseName(const QString& osReleasePath = QStringLiteral("/etc/os-release"));

  private:
    QString m_strOSName = QStringLiteral("无法识别的操作系统");
    int m_enumOSVersionFlag = kUnrecognised;
};
