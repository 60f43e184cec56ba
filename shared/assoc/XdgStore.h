#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "KeyTreeStore.h"
#include "MimeAppsList.h"
#include "RegistryStore.h"

// The folders of the desktop's base directories, in their order of precedence.
struct XdgLocations {
    QString configHome;
    QStringList configDirs;
    QString dataHome;
    QStringList dataDirs;
    QStringList currentDesktops;  // lower case, from XDG_CURRENT_DESKTOP

    // From the XDG_* variables, with the defaults of the base directories for those unset or relative.
    static XdgLocations fromEnvironment();
    // Every mimeapps.list that may choose a default application, the strongest first.
    QStringList mimeAppsLists() const;
    // The applications folders, the user's first.
    QStringList applicationFolders() const;
    QString userMimeAppsList() const { return configHome + QStringLiteral("/mimeapps.list"); }
    QString userApplications() const { return dataHome + QStringLiteral("/applications"); }
};

// The association keys over the desktop's own files:
//   "HKCR\.ext\"          the default application of the extension's MIME types, a desktop-file id without
//                         ".desktop"; written to [Default Applications] of the user's mimeapps.list, in front
//                         of the type's list so that handing the type back restores the line;
//   "HKCR\id\"            the desktop entry id.desktop (any applications folder); the player's own entries
//                         live in the user's applications folder and keep the written value in X-Kestrune;
//                         an installed player's entry of the same id (X-Kestrune-Entry in a system folder)
//                         is never written: the user's entry goes in front of it and takes its place (its
//                         menu item and the types it opens);
//   "HKCR\id\DefaultIcon\", "...\shell\open\command\", "...\shellex\ContextMenuHandlers\<name>\"
//                         Icon=, Exec= and the menu handler of the player's own entry;
//   any other root        a key-tree file in the user's configuration folder.
// Deleting the player's entry: while any [Default Applications] line of the user still starts with the
// entry, its command and the entry itself stay. The association records hand their extensions back one by
// one and try to delete the shared entry after each; it goes, with its id taken out of every list of the
// user's mimeapps.list, after the last extension has been handed back, and opening a file keeps working
// for every type that still names it first until then.
class XdgStore : public RegistryStore {
  public:
    explicit XdgStore(XdgLocations locations);
    ~XdgStore() override;
    XdgStore(const XdgStore&) = delete;
    XdgStore& operator=(const XdgStore&) = delete;

    bool read(const RegistryPath& path, QString& value, QString& error) override;
    bool write(const RegistryPath& path, const QString& value, QString& error) override;
    bool remove(const RegistryPath& path, QString& error) override;
    QString keyFile(const RegistryPath& path) override;

    // Brings the desktop's caches (the desktop database, the MIME database) up to date with the files
    // written so far. Runs by itself once the event loop is idle, and when the store goes.
    void flushCaches();
    const XdgLocations& locations() const { return m_locations; }

  private:
    struct Entry;
    std::optional<Entry> findEntry(const QString& id) const;
    // The types of the installed player's entry of this id in the system's data folders; nothing when
    // the first entry of that id there is not the player's.
    std::optional<QStringList> installedEntryTypes(const QString& id) const;
    std::optional<Entry> defaultEntryOf(const QString& type, const std::vector<MimeAppsList>& lists) const;
    bool readExtension(const QString& extension, QString& value, QString& error) const;
    bool writeExtension(const QString& extension, const QString& value, bool removing, QString& error);
    bool readEntryKey(const RegistryPath& path, QString& value, QString& error) const;
    bool writeEntryKey(const RegistryPath& path, const QString& value, QString& error);
    bool removeEntryKey(const RegistryPath& path, QString& error);
    bool saveEntry(const Entry& entry, QString& error);
    bool loadUserList(MimeAppsList& list, QByteArray& before, QString& error) const;
    bool saveUserList(const MimeAppsList& list, const QByteArray& before, QString& error);
    void refreshMimeTypes(const QStringList& ids);
    void addToMimePackage(const QString& extension, const QString& type);
    void scheduleFlush();

    XdgLocations m_locations;
    KeyTreeStore m_otherKeys;
    bool m_desktopDatabaseStale = false;
    bool m_mimeDatabaseStale = false;
    bool m_flushScheduled = false;
    QObject m_flushContext;
};
