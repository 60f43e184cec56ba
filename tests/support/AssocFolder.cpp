#include "AssocFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>

#include "BuildPaths.h"
#include "db/SettingsDatabase.h"

AssocFolder::AssocFolder() {
    QString error;
    EXPECT_TRUE(QDir().mkpath(programFolder()) && QDir().mkpath(root() + QStringLiteral("/FileAssocia")));
    EXPECT_TRUE(settingsdb::boolCreateIfMissing(programFolder(), error)) << error.toStdString();
}

bool AssocFolder::installTolvane() {
    return QFile::copy(built::tolvane(), tolvane()) &&
           QFile::setPermissions(tolvane(), QFile::ExeOwner | QFile::ReadOwner);
}

QMap<QString, QByteArray> AssocFolder::desktopFiles() const {
    QMap<QString, QByteArray> files;
    for (const QString& folder : {m_desktop.configHome(), m_desktop.dataHome()}) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    }
    return files;
}
