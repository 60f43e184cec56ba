#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <optional>

// The desktop's base directories (XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME, XDG_DATA_DIRS) in a
// temporary folder while the object lives, with no desktop named; the values before are put back
// afterwards. The one system data folder sees the machine's MIME database and none of its applications, so
// that only the applications a test installs own file types.
class TempXdgHome {
  public:
    TempXdgHome();
    ~TempXdgHome();
    TempXdgHome(const TempXdgHome&) = delete;
    TempXdgHome& operator=(const TempXdgHome&) = delete;

    QString root() const { return m_dir.path(); }
    QString configHome() const { return root() + QStringLiteral("/config"); }
    QString dataHome() const { return root() + QStringLiteral("/data"); }
    QString systemData() const { return root() + QStringLiteral("/system"); }
    QString userMimeApps() const { return configHome() + QStringLiteral("/mimeapps.list"); }
    QString userEntry(const QString& id) const;

    // Another application's desktop entry in the system data folder, opening the types, and the folder's
    // desktop database.
    void installApplication(const QString& id, const QStringList& mimeTypes) const;
    QByteArray readFile(const QString& path) const;
    void writeFile(const QString& path, const QByteArray& bytes) const;

    // The default application (a desktop-file name) that GLib's `gio mime` reports for the type, "" for
    // none.
    QString gioDefault(const QString& mimeType) const;
    // Runs a program in this environment; its exit code (-1 when it did not run) and output.
    int run(const QString& program, const QStringList& arguments, QString* output = nullptr) const;

  private:
    QTemporaryDir m_dir;
    std::map<QByteArray, std::optional<QByteArray>> m_previous;
};
