#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

QString strProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

QString strParentFolder(const QString& folder) {
    const qsizetype separator = folder.lastIndexOf(QLatin1Char('/'));
    return separator < 0 ? QString() : folder.left(separator);
}

QString strPathInFolderIgnoringCase(const QString& folder, const QString& name) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact)) return exact;
    const QDir dir(folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

QString strResolvePathIgnoringCase(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path)) return path;
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
    if (separator < 0) return strPathInFolderIgnoringCase(QStringLiteral("."), path).mid(2);
    return strPathInFolderIgnoringCase(path.left(separator), path.mid(separator + 1));
}

QString strUserWritableFolder(const QString& folder, const QString& subfolder) {
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0)
        return folder;
    constexpr QFileDevice::Permissions kOwnerOnly =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QString own =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kestrune");
    if (QDir().mkpath(own)) QFile::setPermissions(own, kOwnerOnly);
    if (!subfolder.isEmpty()) {
        own += QLatin1Char('/') + subfolder;
        if (QDir().mkpath(own)) QFile::setPermissions(own, kOwnerOnly);
    }
    return own;
}
