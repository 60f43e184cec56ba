#pragma once

#include <QString>
#include <QStringList>

// One registry path of the association classes, taken apart:
//   "HKCR\.mp3\"              the default value of key ".mp3" under the classes root,
//   "HKCR\id\shell\open\command\"   a deeper key's default value,
//   "HKEY_LOCAL_MACHINE\Software\...\Approved\{GUID}"   a named value ("{GUID}") of the key before it.
// The root's abbreviations ("HKCR", "HKLM", "HKCU", "HKU") are written out in full and upper case. Key names
// keep their letters as written; stores compare them ignoring case, as the registry does.
struct RegistryPath {
    QString root;
    QStringList keys;
    QString valueName;  // empty for a key's default value
    bool isDefault = true;

    // False, with the reason, for a text without a known root, without any key below the root, or with an
    // empty key name (two backslashes in a row): such a path would address the root itself.
    static bool parse(const QString& text, RegistryPath& path, QString& error);
    // The key path below the root, joined by backslashes.
    QString keyText() const { return keys.join(QLatin1Char('\\')); }
};

inline constexpr const char* kClassesRoot = "HKEY_CLASSES_ROOT";
inline constexpr const char* kLocalMachineRoot = "HKEY_LOCAL_MACHINE";
