#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <optional>

#include "assoc/KeyTreeStore.h"
#include "assoc/RegistryStores.h"

// A program folder "Kestrune" with a settings database made from the built-in schema (with its media types)
// and the folder "FileAssocia" beside it, in a temporary folder. While the object lives the desktop's own
// folders (XDG_CONFIG_HOME, XDG_DATA_HOME) point into it, so neither the association tool nor the desktop
// store of the test touches the user's; the ones before are put back afterwards.
class AssocFolder {
  public:
    AssocFolder();
    ~AssocFolder();
    AssocFolder(const AssocFolder&) = delete;
    AssocFolder& operator=(const AssocFolder&) = delete;

    QString root() const { return m_dir.path(); }
    QString programFolder() const { return root() + QStringLiteral("/Kestrune"); }
    QString databasePath() const { return programFolder() + QStringLiteral("/SysConfig"); }
    QString configHome() const { return root() + QStringLiteral("/config"); }
    QString dataHome() const { return root() + QStringLiteral("/data"); }
    QString tolvane() const { return programFolder() + QStringLiteral("/tolvane"); }

    // Copies the built association tool into the program folder.
    bool installTolvane();
    // Every file under the desktop's two folders, with its bytes.
    QMap<QString, QByteArray> desktopFiles() const;

  private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_previousConfig;
    std::optional<QByteArray> m_previousData;
};
