#include "XdgStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <set>
#include <vector>

#include "DesktopEntryText.h"
#include "ExtensionTypes.h"
#include "basecore/Product.h"

namespace {
constexpr const char* kDefaults = MimeAppsList::kDefaultGroup;
constexpr qint64 kLargestEntry = 1 << 20;  // anything bigger is no desktop entry
constexpr int kToolTimeoutMs = 30000;

// What a key under the classes root means on the desktop.
enum class Kind { Extension, Entry, Icon, ShellParent, Command, HandlerParent, Handler, None };

Kind kindOf(const RegistryPath& path) {
    const QStringList& keys = path.keys;
    if (!path.isDefault || keys.isEmpty()) return Kind::None;
    const auto is = [&](qsizetype i, const char* name) {
        return keys.at(i).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (keys.first().startsWith(QLatin1Char('.'))) return keys.size() == 1 ? Kind::Extension : Kind::None;
    switch (keys.size()) {
        case 1:
            return Kind::Entry;
        case 2:
            if (is(1, "DefaultIcon")) return Kind::Icon;
            if (is(1, "shell")) return Kind::ShellParent;
            if (is(1, "shellex")) return Kind::HandlerParent;
            break;
        case 3:
            if (is(1, "shell") && is(2, "open")) return Kind::ShellParent;
            if (is(1, "shellex") && is(2, "ContextMenuHandlers")) return Kind::HandlerParent;
            break;
        case 4:
            if (is(1, "shell") && is(2, "open") && is(3, "command")) return Kind::Command;
            if (is(1, "shellex") && is(2, "ContextMenuHandlers")) return Kind::Handler;
            break;
        default:
            break;
    }
    return Kind::None;
}

QString pathText(const RegistryPath& path) {
    return path.root + QLatin1Char('\\') + path.keyText() + QLatin1Char('\\');
}

// A desktop-file id names one file in an applications folder.
bool usableId(const QString& id) {
    return !id.isEmpty() && !id.startsWith(QLatin1Char('.')) && !id.contains(QLatin1Char('/')) &&
           !id.contains(QLatin1Char(';')) && !id.contains(QLatin1Char('\n')) &&
           !id.contains(QLatin1Char('\r'));
}

QString desktopName(const QString& id) {
    return id + QStringLiteral(".desktop");
}

QString idOfItem(const QString& item) {
    return item.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive) ? item.chopped(8) : QString();
}

// The file in the folder named id.desktop, letters matched ignoring case when there is no exact match.
QString fileForId(const QString& folder, const QString& id) {
    const QString exact = folder + QLatin1Char('/') + desktopName(id);
    if (QFileInfo(exact).isFile()) return exact;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (sameDesktopName(name, desktopName(id))) return folder + QLatin1Char('/') + name;
    return {};
}

QByteArray readSmallFile(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kLargestEntry) return {};
    return in.read(kLargestEntry);
}

bool saveFile(const QString& file, const QByteArray& bytes, QString& error) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        error = QStringLiteral("%1: %2").arg(file, out.errorString());
        return false;
    }
    return true;
}

QStringList envFolders(const char* name, const QStringList& fallback) {
    QStringList folders;
    for (const QString& folder : qEnvironmentVariable(name).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder)) folders.append(QDir::cleanPath(folder));
    return folders.isEmpty() ? fallback : folders;
}

QString envFolder(const char* name, const QString& fallback) {
    const QString folder = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QDir::homePath() + fallback;
}

// Runs a desktop cache tool where it is installed; without a shell, and given up after a while.
void runTool(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty() || !QFileInfo(folder).isDir()) return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, {folder});
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
    }
}
}  // namespace

XdgLocations XdgLocations::fromEnvironment() {
    XdgLocations locations;
    locations.configHome = envFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
    locations.configDirs = envFolders("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
    locations.dataHome = envFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
    locations.dataDirs =
        envFolders("XDG_DATA_DIRS", {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        locations.currentDesktops.append(desktop.toLower());
    return locations;
}

QStringList XdgLocations::mimeAppsLists() const {
    QStringList folders = QStringList(configHome) + configDirs;
    folders.append(userApplications());
    for (const QString& dir : dataDirs) folders.append(dir + QStringLiteral("/applications"));
    QStringList lists;
    for (const QString& folder : folders) {
        for (const QString& desktop : currentDesktops)
            lists.append(folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list"));
        lists.append(folder + QStringLiteral("/mimeapps.list"));
    }
    return lists;
}

QStringList XdgLocations::applicationFolders() const {
    QStringList folders{userApplications()};
    for (const QString& dir : dataDirs) folders.append(dir + QStringLiteral("/applications"));
    return folders;
}

// One desktop entry as found in the applications folders; for the player's own entries, what the keys
// hold.
struct XdgStore::Entry {
    QString id;  // as the file is named
    QString file;
    bool userFolder = false;
    bool hidden = false;
    bool own = false;
    // The player's entry as a package installs it in a system folder: the user's own entry of that id
    // shadows it while the user has associations, and it shows again once that entry goes.
    bool packaged = false;
    desktop_entry::Group keys;
    std::optional<QString> value;
    std::optional<QString> icon;
    std::optional<QString> program;
    std::optional<QString> handlerName;
    QString handlerGuid;

    bool hasSubKeys() const { return icon || program || handlerName; }
};

XdgStore::XdgStore(XdgLocations locations)
    : m_locations(std::move(locations)),
      m_otherKeys(m_locations.configHome + QStringLiteral("/kestrune/registry.json")) {}

XdgStore::~XdgStore() {
    flushCaches();
}

std::optional<XdgStore::Entry> XdgStore::findEntry(const QString& id) const {
    if (!usableId(id)) return std::nullopt;
    for (const QString& folder : m_locations.applicationFolders()) {
        const QString file = fileForId(folder, id);
        if (file.isEmpty()) continue;
        Entry entry;
        entry.file = file;
        entry.id = QFileInfo(file).completeBaseName();
        entry.userFolder = folder == m_locations.userApplications();
        auto groups = desktop_entry::parseGroups(readSmallFile(file));
        entry.keys = groups[QStringLiteral("Desktop Entry")];
        const auto key = [&](const char* name) -> std::optional<QString> {
            const auto it = entry.keys.find(QLatin1String(name));
            if (it == entry.keys.end()) return std::nullopt;
            return desktop_entry::unescapeValue(it->second);
        };
        entry.hidden = key("Hidden").value_or(QString()) == QLatin1String("true");
        const bool players = key("X-Kestrune-Entry").value_or(QString()) == QLatin1String("true");
        entry.own = entry.userFolder && players;
        entry.packaged = !entry.userFolder && players;
        entry.icon = key("Icon");
        QString program;
        const auto exec = entry.keys.find(QStringLiteral("Exec"));
        if (exec != entry.keys.end() && desktop_entry::programOfExec(exec->second, program))
            entry.program = program;
        if (entry.own) {
            entry.value = key("X-Kestrune");
            entry.handlerName = key("X-Kestrune-Menu-Handler");
            entry.handlerGuid = key("X-Kestrune-Menu-Guid").value_or(QString());
        }
        return entry;
    }
    return std::nullopt;
}

bool XdgStore::loadUserList(MimeAppsList& list, QByteArray& before, QString& error) const {
    const QString file = m_locations.userMimeAppsList();
    before.clear();
    if (QFileInfo::exists(file)) {
        QFile in(file);
        if (!QFileInfo(file).isWritable() || !in.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("%1 cannot be changed").arg(file);
            return false;
        }
        before = in.readAll();
    }
    list = MimeAppsList::parse(before);
    return true;
}

bool XdgStore::saveUserList(const MimeAppsList& list, const QByteArray& before, QString& error) {
    const QByteArray after = list.bytes();
    return after == before || saveFile(m_locations.userMimeAppsList(), after, error);
}

// As GLib answers for one type: the first installed application of the type's [Default Applications]
// lists, else of its [Added Associations] lists, else of the applications folders' mimeinfo.cache (the
// desktop database), in the order of precedence and leaving out [Removed Associations].
std::optional<XdgStore::Entry> XdgStore::defaultEntryOf(const QString& type,
                                                        const std::vector<MimeAppsList>& lists) const {
    QStringList removed;
    for (const MimeAppsList& list : lists) removed += list.list(QStringLiteral("Removed Associations"), type);
    std::optional<Entry> found;
    const auto firstInstalled = [&](const QStringList& items, bool honourRemoved) {
        for (const QString& item : items) {
            if (honourRemoved && removed.contains(item, Qt::CaseInsensitive)) continue;
            found = findEntry(idOfItem(item));
            if (found && !found->hidden) return true;
        }
        found.reset();
        return false;
    };
    for (const MimeAppsList& list : lists)
        if (firstInstalled(list.list(QLatin1String(kDefaults), type), false)) return found;
    for (const MimeAppsList& list : lists)
        if (firstInstalled(list.list(QStringLiteral("Added Associations"), type), true)) return found;
    for (const QString& folder : m_locations.applicationFolders()) {
        const QString cache = folder + QStringLiteral("/mimeinfo.cache");
        if (QFileInfo(cache).isFile() &&
            firstInstalled(MimeAppsList::parse(readSmallFile(cache)).list(QStringLiteral("MIME Cache"), type),
                           true))
            return found;
    }
    return std::nullopt;
}

// The default application of the extension's first type. Extensions share types (".oga" and ".ogg" both
// are audio/ogg), so one handed back can leave another's other types with the player: an extension counts
// as the player's while any of its types still opens with one of the player's own entries, so that handing
// it back reaches every one of them.
bool XdgStore::readExtension(const QString& extension, QString& value, QString& error) const {
    const QStringList types = extension_types::typesOf(extension);
    if (types.isEmpty()) {
        error = QStringLiteral("no MIME type is known for %1").arg(extension);
        return false;
    }
    std::vector<MimeAppsList> lists;
    for (const QString& file : m_locations.mimeAppsLists())
        if (QFileInfo(file).isFile()) lists.push_back(MimeAppsList::parse(readSmallFile(file)));
    std::optional<Entry> first = defaultEntryOf(types.first(), lists);
    for (qsizetype i = 1; i < types.size() && !(first && first->own); ++i) {
        const std::optional<Entry> other = defaultEntryOf(types.at(i), lists);
        if (other && other->own) first = other;
    }
    if (first) {
        value = first->id;
        return true;
    }
    error = QStringLiteral("no application opens %1 (%2)").arg(extension, types.first());
    return false;
}

bool XdgStore::writeExtension(const QString& extension, const QString& value, bool removing, QString& error) {
    const QStringList types = extension_types::typesOf(extension);
    if (types.isEmpty()) {
        error = QStringLiteral("no MIME type is known for %1").arg(extension);
        return false;
    }
    QString id = value;
    if (!id.isEmpty()) {
        if (!usableId(id)) {
            error = QStringLiteral("\"%1\" is no desktop-file id").arg(id);
            return false;
        }
        if (const auto entry = findEntry(id)) id = entry->id;  // the file's own letters
    }
    MimeAppsList list;
    QByteArray before;
    if (!loadUserList(list, before, error)) return false;
    QStringList touched;
    bool found = false;
    for (const QString& type : types) {
        QStringList items = list.list(QLatin1String(kDefaults), type);
        found = found || !items.isEmpty();
        for (const QString& item : items) touched.append(idOfItem(item));
        if (removing || id.isEmpty()) {
            items.clear();
        } else {
            items.removeIf([&](const QString& item) { return sameDesktopName(item, desktopName(id)); });
            items.prepend(desktopName(id));
            touched.append(id);
        }
        list.setList(QLatin1String(kDefaults), type, items);
    }
    if (removing && !found) {
        error = QStringLiteral("no default application is set for %1").arg(extension);
        return false;
    }
    if (!saveUserList(list, before, error)) return false;
    if (!removing && extension_types::knownTypes(extension).isEmpty())
        addToMimePackage(extension, types.first());
    refreshMimeTypes(touched);
    return true;
}

void XdgStore::addToMimePackage(const QString& extension, const QString& type) {
    const QString file = m_locations.dataHome + QStringLiteral("/mime/packages/kestrune-brandock.xml");
    const QByteArray before = readSmallFile(file);
    std::map<QString, QString> globs = extension_types::packageGlobs(before);
    globs[extension.toLower()] = type;
    const QByteArray after = extension_types::packageText(globs);
    QString error;
    if (after == before || !saveFile(file, after, error)) return;
    m_mimeDatabaseStale = true;
    scheduleFlush();
}

// The MimeType= key of the player's own entries among `ids` follows the user's default applications.
void XdgStore::refreshMimeTypes(const QStringList& ids) {
    std::set<QString> done;
    for (const QString& id : ids) {
        if (!done.insert(id.toLower()).second) continue;
        const auto entry = findEntry(id);
        QString error;
        if (entry && entry->own) saveEntry(*entry, error);
    }
}

bool XdgStore::saveEntry(const Entry& entry, QString& error) {
    MimeAppsList list;
    QByteArray before;
    if (!loadUserList(list, before, error)) list = MimeAppsList{};
    QStringList mimeTypes = list.typesNaming(QLatin1String(kDefaults), desktopName(entry.id));
    // In front of the installed player's entry this one takes its place: its menu item and the types it
    // opens, so that the desktop's choice of application for them stays as it was.
    const std::optional<QStringList> installed = installedEntryTypes(entry.id);
    if (installed)
        for (const QString& type : *installed)
            if (!mimeTypes.contains(type)) mimeTypes.append(type);

    using desktop_entry::escapeValue;
    const bool action = entry.handlerName && entry.program;
    QStringList lines{QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                      QStringLiteral("Name=") + escapeValue(QString::fromUtf8(kProductName))};
    if (installed)
        lines.append(QStringLiteral("Categories=AudioVideo;Player;Video;Audio;"));
    else
        lines.append(QStringLiteral("NoDisplay=true"));
    lines.append(QStringLiteral("Terminal=false"));
    if (entry.program)
        lines.append(QStringLiteral("Exec=") +
                     desktop_entry::execValue(*entry.program, QStringLiteral("%F")));
    if (entry.icon) lines.append(QStringLiteral("Icon=") + escapeValue(*entry.icon));
    if (!mimeTypes.isEmpty())
        lines.append(QStringLiteral("MimeType=") + mimeTypes.join(QLatin1Char(';')) + ';');
    if (action) lines.append(QStringLiteral("Actions=add;"));
    lines.append(QStringLiteral("X-Kestrune-Entry=true"));
    if (entry.value) lines.append(QStringLiteral("X-Kestrune=") + escapeValue(*entry.value));
    if (entry.handlerName) {
        lines.append(QStringLiteral("X-Kestrune-Menu-Handler=") + escapeValue(*entry.handlerName));
        lines.append(QStringLiteral("X-Kestrune-Menu-Guid=") + escapeValue(entry.handlerGuid));
    }
    if (action) {
        lines.append(QString());
        lines.append(QStringLiteral("[Desktop Action add]"));
        lines.append(QStringLiteral("Name=添加到播放列表"));
        lines.append(QStringLiteral("Exec=") +
                     desktop_entry::execValue(*entry.program, QStringLiteral("--add %F")));
    }
    const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (readSmallFile(entry.file) == bytes) return true;
    if (!saveFile(entry.file, bytes, error)) return false;
    m_desktopDatabaseStale = true;
    scheduleFlush();
    return true;
}

std::optional<QStringList> XdgStore::installedEntryTypes(const QString& id) const {
    for (const QString& dir : m_locations.dataDirs) {
        const QString file = fileForId(dir + QStringLiteral("/applications"), id);
        if (file.isEmpty()) continue;
        auto keys = desktop_entry::parseGroups(readSmallFile(file))[QStringLiteral("Desktop Entry")];
        if (keys[QStringLiteral("X-Kestrune-Entry")] != QLatin1String("true")) return std::nullopt;
        return desktop_entry::splitList(keys[QStringLiteral("MimeType")]);
    }
    return std::nullopt;
}

bool XdgStore::readEntryKey(const RegistryPath& path, QString& value, QString& error) const {
    const Kind kind = kindOf(path);
    const auto entry = findEntry(path.keys.first());
    const auto answer = [&](const std::optional<QString>& found) {
        if (found) value = *found;
        return found.has_value();
    };
    bool ok = false;
    if (entry && !entry->hidden) {
        switch (kind) {
            case Kind::Entry: {
                const auto name = entry->keys.find(QStringLiteral("Name"));
                ok = entry->own
                         ? answer(entry->value)
                         : answer(name == entry->keys.end() ? QString()
                                                            : desktop_entry::unescapeValue(name->second));
                break;
            }
            case Kind::Icon:
                ok = answer(entry->icon);
                break;
            case Kind::Command:
                ok = answer(entry->program ? std::optional<QString>(QLatin1Char('"') + *entry->program +
                                                                    QStringLiteral("\" %1"))
                                           : std::nullopt);
                break;
            case Kind::Handler:
                ok = entry->handlerName && sameDesktopName(*entry->handlerName, path.keys.last()) &&
                     answer(entry->handlerGuid);
                break;
            default:
                break;
        }
    }
    if (!ok) error = QStringLiteral("no value at %1").arg(pathText(path));
    return ok;
}

bool XdgStore::writeEntryKey(const RegistryPath& path, const QString& value, QString& error) {
    const Kind kind = kindOf(path);
    const QString id = path.keys.first();
    if (kind == Kind::ShellParent || kind == Kind::HandlerParent || kind == Kind::None || !usableId(id)) {
        error = QStringLiteral("%1 has no meaning on the desktop").arg(pathText(path));
        return false;
    }
    Entry entry;
    if (const auto found = findEntry(id); found && !found->packaged) {
        if (!found->own) {
            error = QStringLiteral("%1 is not the player's entry").arg(found->file);
            return false;
        }
        entry = *found;
    } else {
        entry.id = found ? found->id : id;
        entry.file = m_locations.userApplications() + QLatin1Char('/') + desktopName(entry.id);
        entry.own = entry.userFolder = true;
    }
    switch (kind) {
        case Kind::Entry:
            entry.value = value;
            break;
        case Kind::Icon:
            entry.icon = value;
            break;
        case Kind::Command:
            // The command arrives as "program" %1.
            entry.program = value.size() >= 5 && value.startsWith(QLatin1Char('"')) &&
                                    value.endsWith(QLatin1String("\" %1"))
                                ? value.mid(1, value.size() - 5)
                                : value;
            break;
        case Kind::Handler:
            entry.handlerName = path.keys.last();
            entry.handlerGuid = value;
            break;
        default:
            break;
    }
    return saveEntry(entry, error);
}

bool XdgStore::removeEntryKey(const RegistryPath& path, QString& error) {
    const Kind kind = kindOf(path);
    auto entry = findEntry(path.keys.first());
    if (!entry || entry->hidden || kind == Kind::None) {
        error = QStringLiteral("no key %1").arg(pathText(path));
        return false;
    }
    if (!entry->own) {
        error = QStringLiteral("%1 is not the player's entry").arg(entry->file);
        return false;
    }
    // Read only: a user's list that cannot be changed still tells which types the entry opens.
    const QStringList led = MimeAppsList::parse(readSmallFile(m_locations.userMimeAppsList()))
                                .typesLedBy(QLatin1String(kDefaults), desktopName(entry->id));
    const auto refuse = [&](const QString& reason) {
        error = QStringLiteral("%1 %2").arg(pathText(path), reason);
        return false;
    };
    switch (kind) {
        case Kind::Entry: {
            if (entry->hasSubKeys()) return refuse(QStringLiteral("still has sub-keys"));
            if (!led.isEmpty()) return refuse(QStringLiteral("still opens ") + led.join(QLatin1String(", ")));
            MimeAppsList list;
            QByteArray before;
            if (!loadUserList(list, before, error)) return false;
            if (!QFile::remove(entry->file)) return refuse(QStringLiteral("cannot be deleted"));
            m_desktopDatabaseStale = true;
            scheduleFlush();
            // Nothing may name an entry that is gone.
            list.removeEverywhere(desktopName(entry->id));
            return saveUserList(list, before, error);
        }
        case Kind::ShellParent:
            if (entry->program) return refuse(QStringLiteral("still has sub-keys"));
            return true;
        case Kind::HandlerParent:
            if (entry->handlerName) return refuse(QStringLiteral("still has sub-keys"));
            return true;
        case Kind::Icon:
            if (!entry->icon) return refuse(QStringLiteral("does not exist"));
            entry->icon.reset();
            break;
        case Kind::Command:
            if (!entry->program) return refuse(QStringLiteral("does not exist"));
            if (!led.isEmpty()) return refuse(QStringLiteral("still opens ") + led.join(QLatin1String(", ")));
            entry->program.reset();
            break;
        case Kind::Handler:
            if (!entry->handlerName || !sameDesktopName(*entry->handlerName, path.keys.last()))
                return refuse(QStringLiteral("does not exist"));
            entry->handlerName.reset();
            entry->handlerGuid.clear();
            break;
        default:
            break;
    }
    return saveEntry(*entry, error);
}

bool XdgStore::read(const RegistryPath& path, QString& value, QString& error) {
    if (path.root != QLatin1String(kClassesRoot)) return m_otherKeys.read(path, value, error);
    if (kindOf(path) == Kind::Extension) return readExtension(path.keys.first(), value, error);
    return readEntryKey(path, value, error);
}

bool XdgStore::write(const RegistryPath& path, const QString& value, QString& error) {
    if (path.root != QLatin1String(kClassesRoot)) return m_otherKeys.write(path, value, error);
    if (kindOf(path) == Kind::Extension) return writeExtension(path.keys.first(), value, false, error);
    return writeEntryKey(path, value, error);
}

bool XdgStore::remove(const RegistryPath& path, QString& error) {
    if (path.root != QLatin1String(kClassesRoot)) return m_otherKeys.remove(path, error);
    if (kindOf(path) == Kind::Extension) return writeExtension(path.keys.first(), QString(), true, error);
    return removeEntryKey(path, error);
}

QString XdgStore::keyFile(const RegistryPath& path) {
    if (path.root != QLatin1String(kClassesRoot)) return m_otherKeys.keyFile(path);
    if (kindOf(path) == Kind::Extension) {
        const QString file = m_locations.userMimeAppsList();
        return QFileInfo::exists(file) ? file : QString();
    }
    const auto entry = findEntry(path.keys.first());
    return entry && !entry->hidden ? entry->file : QString();
}

void XdgStore::scheduleFlush() {
    if (m_flushScheduled || QCoreApplication::instance() == nullptr) return;
    m_flushScheduled = true;
    QTimer::singleShot(0, &m_flushContext, [this] {
        m_flushScheduled = false;
        flushCaches();
    });
}

void XdgStore::flushCaches() {
    if (std::exchange(m_desktopDatabaseStale, false))
        runTool(QStringLiteral("update-desktop-database"), m_locations.userApplications());
    if (std::exchange(m_mimeDatabaseStale, false))
        runTool(QStringLiteral("update-mime-database"), m_locations.dataHome + QStringLiteral("/mime"));
}
