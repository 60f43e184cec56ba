#include "AssocFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>

#include "BuildPaths.h"
#include "db/SettingsDatabase.h"

namespace {
constexpr const char* kDesktopFolders[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME"};
}

AssocFolder::AssocFolder() {
    QString error;
    EXPECT_TRUE(QDir().mkpath(programFolder()) && QDir().mkpath(root() + QStringLiteral("/FileAssocia")));
    EXPECT_TRUE(settingsdb::boolCreateIfMissing(programFolder(), error)) << error.toStdString();
    for (int i = 0; i < 2; ++i) {
        if (qEnvironmentVariableIsSet(kDesktopFolders[i])) m_previous[i] = qgetenv(kDesktopFolders[i]);
        qputenv(kDesktopFolders[i], QFile::encodeName(root() + QLatin1Char('/') + kDesktopFolders[i]));
    }
}

AssocFolder::~AssocFolder() {
    for (int i = 0; i < 2; ++i) {
        if (m_previous[i]) qputenv(kDesktopFolders[i], *m_previous[i]);
        if (!m_previous[i]) qunsetenv(kDesktopFolders[i]);
    }
}

bool AssocFolder::installTolvane() {
    return QFile::copy(built::tolvane(), tolvane()) &&
           QFile::setPermissions(tolvane(), QFile::ExeOwner | QFile::ReadOwner);
}

QMap<QString, QByteArray> AssocFolder::desktopFiles() const {
    QMap<QString, QByteArray> files;
    for (const char* folder : kDesktopFolders) {
        QDirIterator it(root() + QLatin1Char('/') + folder, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    }
    return files;
}
