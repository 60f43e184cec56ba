// The loader takes only engine plugins built for the player's version of the engine interfaces.
#include <gtest/gtest.h>

#include <QStringList>

#include "engines/api/EnginePlugin.h"
#include "engines/loader/EngineLoader.h"

namespace {
QStringList loaderWarnings;

void keepLoaderWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && qstrcmp(context.category, "kestrune.engine.loader") == 0)
        loaderWarnings << text;
}
}  // namespace

// Another version, or none, is "not installed": the plugin is never started, the load error says why and
// the loader's log names it.
TEST(EngineAbi, PluginsOfAnotherInterfaceVersionOrNoneAreNotInstalled) {
    qunsetenv("KESTRUNE_OTHER_ABI_ENGINE_STARTED");
    loaderWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepLoaderWarnings);
    const EngineLoader loader(QStringLiteral(KESTRUNE_OTHER_ABI_ENGINE_DIR));
    // Each plugin loads, and is logged, when it is first asked about.
    EXPECT_FALSE(loader.boolInstalled(EngineLoader::kRealPlayer));
    EXPECT_FALSE(loader.boolInstalled(EngineLoader::kMediaPlayer));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("KESTRUNE_OTHER_ABI_ENGINE_STARTED"));
    const QString other = loader.strLoadError(EngineLoader::kRealPlayer);
    const QString none = loader.strLoadError(EngineLoader::kMediaPlayer);
    EXPECT_TRUE(
        other.contains(QStringLiteral("built for engine interface version %1; the player needs version %2")
                           .arg(kEngineAbiVersion + 1)
                           .arg(kEngineAbiVersion)))
        << other.toStdString();
    EXPECT_TRUE(none.contains(QStringLiteral("names no engine interface version"))) << none.toStdString();
    ASSERT_EQ(loaderWarnings.size(), 2);
    EXPECT_TRUE(loaderWarnings.at(0).contains(other));
    EXPECT_TRUE(loaderWarnings.at(1).contains(none));
}
