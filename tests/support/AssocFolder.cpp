#include "AssocFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "BuildPaths.h"
#include "db/SettingsDatabase.h"

namespace {
std::optional<QByteArray> replaceVariable(const char* name, const QString& value) {
    std::optional<QByteArray> previous;
    if (qEnvironmentVariableIsSet(name)) previous = qgetenv(name);
    qputenv(name, QFile::encodeName(value));
    return previous;
}

void restoreVariable(const char* name, const std::optional<QByteArray>& previous) {
    if (previous) qputenv(name, *previous);
    if (!previous) qunsetenv(name);
}
}  // namespace

AssocFolder::AssocFolder() {
    EXPECT_TRUE(m_dir.isValid());
    for (const QString& folder :
         {programFolder(), root() + QStringLiteral("/FileAssocia"), configHome(), dataHome()})
        EXPECT_TRUE(QDir().mkpath(folder));
    QString error;
    EXPECT_TRUE(settingsdb::boolCreateIfMissing(programFolder(), error)) << error.toStdString();
    m_previousConfig = replaceVariable("XDG_CONFIG_HOME", configHome());
    m_previousData = replaceVariable("XDG_DATA_HOME", dataHome());
}

AssocFolder::~AssocFolder() {
    restoreVariable("XDG_CONFIG_HOME", m_previousConfig);
    restoreVariable("XDG_DATA_HOME", m_previousData);
}

bool AssocFolder::installTolvane() {
    const bool copied = QFile::copy(built::tolvane(), tolvane());
    EXPECT_TRUE(copied) << "cannot copy the built association tool into " << programFolder().toStdString();
    return copied && QFile::setPermissions(tolvane(), QFile::ExeOwner | QFile::ReadOwner);
}

QMap<QString, QByteArray> AssocFolder::desktopFiles() const {
    QMap<QString, QByteArray> files;
    for (const QString& folder : {configHome(), dataHome()}) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    }
    return files;
}
