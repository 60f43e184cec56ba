#include "EngineLoader.h"

#include <QCoreApplication>
#include <array>

#include "EngineOnDemand.h"
#include "LoaderLogging.h"
#include "MissingEngines.h"
#include "engines/api/EnginePlugin.h"

Q_LOGGING_CATEGORY(lcEngineLoader, "kestrune.engine.loader")

namespace {
std::unique_ptr<RealPlayerEngine> createLoadedRealPlayer(EngineLoader::Plugins& plugins, QWidget* parent) {
    const EngineLoader::Plugin& plugin = plugins.loaded(EngineLoader::kRealPlayer);
    if (plugin.create) {
        if (RealPlayerEngine* engine = reinterpret_cast<KestruneCreateRealPlayer>(plugin.create)(parent)) {
            return std::unique_ptr<RealPlayerEngine>(engine);
        }
    }
    return std::make_unique<MissingRealPlayer>(parent);
}

std::unique_ptr<MediaPlayerEngine> createLoadedMediaPlayer(EngineLoader::Plugins& plugins, QWidget* parent) {
    const EngineLoader::Plugin& plugin = plugins.loaded(EngineLoader::kMediaPlayer);
    if (plugin.create) {
        if (MediaPlayerEngine* engine = reinterpret_cast<KestruneCreateMediaPlayer>(plugin.create)(parent)) {
            return std::unique_ptr<MediaPlayerEngine>(engine);
        }
    }
    return std::make_unique<MissingMediaPlayer>(parent);
}
}  // namespace

QString EngineLoader::strDefaultEnginesFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/engines");
}

EngineLoader::EngineLoader(const QString& enginesFolder) : m_plugins(std::make_shared<Plugins>()) {
    m_plugins->real.path = enginesFolder + QLatin1Char('/') + QLatin1String(kRealPlayerPluginName);
    m_plugins->real.createSymbol = kCreateRealPlayerSymbol;
    m_plugins->media.path = enginesFolder + QLatin1Char('/') + QLatin1String(kMediaPlayerPluginName);
    m_plugins->media.createSymbol = kCreateMediaPlayerSymbol;
}

// QLibrary leaves the libraries loaded: engine objects and their queued notifications may outlive the loader.
EngineLoader::~EngineLoader() {
    for (std::thread& preparation : m_preparation)
        if (preparation.joinable()) preparation.join();
}

EngineLoader::Plugin& EngineLoader::Plugins::loaded(int engine) {
    Plugin& plugin = of(engine);
    std::call_once(plugin.loaded, [&plugin] {
        load(plugin);
        plugin.boolTried = true;
        if (!plugin.error.isEmpty())
            qCWarning(lcEngineLoader).noquote() << "engine not loaded:" << plugin.error;
    });
    return plugin;
}

void EngineLoader::prepareInBackground(int engine, std::function<void()> whenLoaded) {
    std::thread& preparation = m_preparation[engine == kRealPlayer ? 0 : 1];
    if (boolLoaded(engine)) {
        if (whenLoaded) whenLoaded();
        return;
    }
    if (preparation.joinable()) return;
    preparation = std::thread([plugins = m_plugins, engine, whenLoaded = std::move(whenLoaded)] {
        plugins->loaded(engine);
        if (whenLoaded) whenLoaded();
    });
}

bool EngineLoader::boolLoaded(int engine) const {
    return m_plugins->of(engine).boolTried.load();
}

void EngineLoader::load(Plugin& plugin) {
    const QString& path = plugin.path;
    const char* createSymbol = plugin.createSymbol;
    plugin.library = std::make_unique<QLibrary>(path);
    // Loaded on a thread of its own, it still belongs to the program's main thread.
    if (QCoreApplication::instance()) plugin.library->moveToThread(QCoreApplication::instance()->thread());
    if (!plugin.library->load()) {
        plugin.error = plugin.library->errorString();
        return;
    }
    // Nothing else of a plugin built for other interfaces is called: its entry points may differ from ours.
    const auto abi = reinterpret_cast<KestruneEngineAbi>(plugin.library->resolve(kEngineAbiSymbol));
    if (!abi) {
        plugin.error = QStringLiteral("%1 names no engine interface version; the player needs version %2")
                           .arg(path)
                           .arg(kEngineAbiVersion);
        return;
    }
    if (const int version = abi(); version != kEngineAbiVersion) {
        plugin.error =
            QStringLiteral("%1 was built for engine interface version %2; the player needs version %3")
                .arg(path)
                .arg(version)
                .arg(kEngineAbiVersion);
        return;
    }
    const auto start = reinterpret_cast<KestruneEngineStart>(plugin.library->resolve(kEngineStartSymbol));
    plugin.create = plugin.library->resolve(createSymbol);
    if (!start || !plugin.create) {
        plugin.error = QStringLiteral("%1 is no engine plugin").arg(path);
        plugin.create = nullptr;
        return;
    }
    std::array<char, 256> version{};
    if (!start(version.data(), version.size())) {
        plugin.error = QStringLiteral("the engine library of %1 does not start").arg(path);
        plugin.create = nullptr;
        return;
    }
    version.back() = '\0';
    plugin.version = QString::fromUtf8(version.data());
}

bool EngineLoader::boolInstalled(int engine) const {
    return m_plugins->loaded(engine).create != nullptr;
}

QString EngineLoader::strVersion(int engine) const {
    return m_plugins->loaded(engine).version;
}

QString EngineLoader::strLoadError(int engine) const {
    return m_plugins->loaded(engine).error;
}

std::unique_ptr<RealPlayerEngine> EngineLoader::createRealPlayer(QWidget* parent) const {
    return createLoadedRealPlayer(*m_plugins, parent);
}

std::unique_ptr<MediaPlayerEngine> EngineLoader::createMediaPlayer(QWidget* parent) const {
    return createLoadedMediaPlayer(*m_plugins, parent);
}

std::unique_ptr<RealPlayerEngine> EngineLoader::createRealPlayerOnDemand(QWidget* parent) const {
    return std::make_unique<RealPlayerOnDemand>(
        [plugins = m_plugins](QWidget* videoParent) { return createLoadedRealPlayer(*plugins, videoParent); },
        parent);
}

std::unique_ptr<MediaPlayerEngine> EngineLoader::createMediaPlayerOnDemand(QWidget* parent) const {
    return std::make_unique<MediaPlayerOnDemand>(
        [plugins = m_plugins](QWidget* videoParent) {
            return createLoadedMediaPlayer(*plugins, videoParent);
        },
        parent);
}
