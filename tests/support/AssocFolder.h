#pragma once

#include <QMap>
#include <QTemporaryDir>
#include <optional>

#include "assoc/KeyTreeStore.h"
#include "assoc/RegistryStores.h"

// A program folder "Kestrune" with a settings database of the built-in schema and its media types, and
// "FileAssocia" beside it. While the object lives the desktop's folders (XDG_CONFIG_HOME, XDG_DATA_HOME)
// point into it, for this process and the programs it starts.
class AssocFolder {
  public:
    AssocFolder();
    ~AssocFolder();
    QString root() const { return m_dir.path(); }
    QString programFolder() const { return root() + QStringLiteral("/Kestrune"); }
    QString databasePath() const { return programFolder() + QStringLiteral("/SysConfig"); }
    QString tolvane() const { return programFolder() + QStringLiteral("/tolvane"); }
    // Copies the built association tool into the program folder.
    bool installTolvane();
    // Every file under the desktop's two folders, with its bytes.
    QMap<QString, QByteArray> desktopFiles() const;

  private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_previous[2];
};
