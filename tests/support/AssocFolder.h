#pragma once

#include <QMap>
#include <QTemporaryDir>
#include <optional>

#include "assoc/KeyTreeStore.h"
#include "assoc/RegistryStores.h"
#include "support/TempXdgHome.h"

// A program folder "Kestrune" with a settings database of the built-in schema and its media types, and
// "FileAssocia" beside it. While the object lives the desktop's folders are temporary ones of its own
// (TempXdgHome), for this process and the programs it starts.
class AssocFolder {
  public:
    AssocFolder();
    QString root() const { return m_dir.path(); }
    QString programFolder() const { return root() + QStringLiteral("/Kestrune"); }
    QString databasePath() const { return programFolder() + QStringLiteral("/SysConfig"); }
    QString tolvane() const { return programFolder() + QStringLiteral("/tolvane"); }
    // Copies the built association tool into the program folder.
    bool installTolvane();
    // Every file under the desktop's two folders, with its bytes.
    QMap<QString, QByteArray> desktopFiles() const;
    const TempXdgHome& desktop() const { return m_desktop; }

  private:
    QTemporaryDir m_dir;
    TempXdgHome m_desktop;
};
