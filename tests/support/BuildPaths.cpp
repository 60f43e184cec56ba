#include "BuildPaths.h"

#include <gtest/gtest.h>

#include <QFile>

#include "engines/api/EnginePlugin.h"
#include "engines/loader/EngineLoader.h"

namespace built {
QString media(const char* name) {
    return QStringLiteral(KESTRUNE_TEST_MEDIA_DIR "/") + QLatin1String(name);
}
QString engineFolder() {
    return QStringLiteral(KESTRUNE_ENGINE_DIR);
}
QString programFolder() {
    return engineFolder() + QStringLiteral("/..");
}
QString enginePlugin(int engine) {
    return engineFolder() + QLatin1Char('/') +
           QLatin1String(engine == EngineLoader::kRealPlayer ? kRealPlayerPluginName
                                                             : kMediaPlayerPluginName);
}
QString brandock() {
    return QStringLiteral(KESTRUNE_BRANDOCK);
}
QString engineApiLibrary() {
    return QStringLiteral(KESTRUNE_ENGINE_API_LIBRARY);
}
QString playerLibrary() {
    return QStringLiteral(KESTRUNE_PLAYER_LIBRARY);
}
QString sarnwick() {
    return QStringLiteral(KESTRUNE_SARNWICK);
}
QString tolvane() {
    return QStringLiteral(KESTRUNE_TOLVANE);
}
QString launcher() {
    return QStringLiteral(KESTRUNE_OPEN);
}
QString engineProbe() {
    return QStringLiteral(KESTRUNE_ENGINE_PROBE);
}
QString writeFileList() {
    return QStringLiteral(KESTRUNE_WRITE_FILE_LIST);
}
}  // namespace built

QString makeStandInMedia(const QString& path) {
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly)) file.write("media");
    return path;
}

QByteArray installedDesktopEntry(const QString& launcher) {
    QFile entry(QStringLiteral(KESTRUNE_DESKTOP_ENTRY_TEMPLATE));
    EXPECT_TRUE(entry.open(QIODevice::ReadOnly)) << entry.fileName().toStdString();
    return entry.readAll().replace("@KESTRUNE_LAUNCHER_EXEC@", launcher.toUtf8());
}
