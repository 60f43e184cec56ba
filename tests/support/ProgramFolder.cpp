#include "ProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "BuildPaths.h"
#include "db/SettingsDatabase.h"
#include "engines/loader/EngineLoader.h"

QStringList ProgramFolder::Stored::paths() const {
    QStringList result;
    for (long i = 1; i <= list.lngListCount(); ++i) result << list.objGetAItem(i)->strFilePath;
    return result;
}

ProgramFolder::ProgramFolder(const QString& parentName)
    : m_root(parentName.isEmpty() ? m_dir.path() : m_dir.path() + QLatin1Char('/') + parentName),
      m_path(m_root + QStringLiteral("/Kestrune")) {
    EXPECT_TRUE(m_dir.isValid() && QDir().mkpath(m_path));
    EXPECT_TRUE(QFile::link(built::engineFolder(), m_path + QStringLiteral("/engines")));
}

bool ProgramFolder::installProgram() {
    bool copied = QFile::copy(built::brandock(), program());
    for (const QString& library : {built::engineApiLibrary(), built::playerLibrary()})
        copied = copied && QFile::copy(library, m_path + QLatin1Char('/') + QFileInfo(library).fileName());
    EXPECT_TRUE(copied) << "cannot copy the built player into " << m_path.toStdString();
    return copied && QFile::setPermissions(program(), QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
}

bool ProgramFolder::setEngineInstalled(int engine, bool installed) {
    const QString engines = m_path + QStringLiteral("/engines");
    if (QFileInfo(engines).isSymLink()) {
        bool linked = QFile::remove(engines) && QDir().mkpath(engines);
        for (int each : {EngineLoader::kRealPlayer, EngineLoader::kMediaPlayer}) {
            const QString plugin = built::enginePlugin(each);
            linked = linked && QFile::link(plugin, engines + QLatin1Char('/') + QFileInfo(plugin).fileName());
        }
        if (!linked) return false;
    }
    const QString plugin = built::enginePlugin(engine);
    const QString link = engines + QLatin1Char('/') + QFileInfo(plugin).fileName();
    if (!installed) return QFile::remove(link);
    return QFileInfo::exists(link) || QFile::link(plugin, link);
}

bool ProgramFolder::installEngineSources() {
    bool copied = true;
    for (const QString& folder : {QStringLiteral("PlyPcks"), QStringLiteral("DLUrls")}) {
        const QDir built(built::programFolder() + QLatin1Char('/') + folder);
        copied = copied && QDir().mkpath(m_path + QLatin1Char('/') + folder);
        for (const QString& name : built.entryList(QDir::Files)) {
            const QString target = m_path + QLatin1Char('/') + folder + QLatin1Char('/') + name;
            copied = copied && QFile::copy(built.filePath(name), target);
        }
    }
    return copied;
}

bool ProgramFolder::installLauncher() {
    return QDir().mkpath(root() + QStringLiteral("/FileAssocia")) &&
           QFile::copy(built::launcher(), launcher()) &&
           QFile::setPermissions(launcher(), QFile::ExeOwner | QFile::ReadOwner);
}

bool ProgramFolder::installTolvane() {
    return QFile::copy(built::tolvane(), tolvane()) &&
           QFile::setPermissions(tolvane(), QFile::ExeOwner | QFile::ReadOwner);
}

void ProgramFolder::seed(const QStringList& files, const std::function<void(SysConfig&)>& settings) {
    QString error;
    ASSERT_TRUE(settingsdb::boolCreateIfMissing(m_path, error)) << error.toStdString();
    SysConfig config;
    config.setStrDBFilePath(databasePath());
    config.boolGetData();  // a new database has no settings row yet: defaults
    config.setBoolSavePlayList(true);
    settings(config);
    ASSERT_TRUE(config.boolSaveData());

    PlayList list;
    list.setStrPLDBFilePath(databasePath());
    for (int i = 0; i < files.size(); ++i) {
        auto movie = std::make_shared<Movie>(QStringLiteral("F2026120800000000%1").arg(i));
        movie->strFilePath = files.at(i);
        movie->strFileName = QFileInfo(files.at(i)).fileName();
        movie->boolIsPlayItem = movie->boolIsActItem = i == 0;
        list.addAItem(movie);
    }
    ASSERT_TRUE(list.boolSavePlayListToPLDB(error)) << error.toStdString();
}

std::unique_ptr<ProgramFolder::Stored> ProgramFolder::readStored() const {
    auto stored = std::make_unique<Stored>();
    stored->config.setStrDBFilePath(databasePath());
    stored->config.boolGetData();
    stored->list.setStrPLDBFilePath(databasePath());
    QString error;
    stored->list.boolGetPlayListFromPLDB(error);
    return stored;
}
