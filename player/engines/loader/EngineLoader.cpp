#include "EngineLoader.h"

#include <dlfcn.h>
#include <QFile>

#include <QCoreApplication>
#include <array>

#include "LoaderLogging.h"
#include "MissingEngines.h"
#include "engines/api/EnginePlugin.h"

Q_LOGGING_CATEGORY(lcEngineLoader, "kestrune.engine.loader")

QString EngineLoader::strDefaultEnginesFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/engines");
}

EngineLoader::EngineLoader(const QString& enginesFolder) {
    load(m_real, enginesFolder + QLatin1Char('/') + QLatin1String(kRealPlayerPluginName),
         kCreateRealPlayerSymbol);
    load(m_media, enginesFolder + QLatin1Char('/') + QLatin1String(kMediaPlayerPluginName),
         kCreateMediaPlayerSymbol);
    for (const Plugin* plugin : {&m_real, &m_media}) {
        if (!plugin->error.isEmpty())
            qCWarning(lcEngineLoader).noquote() << "engine not loaded:" << plugin->error;
    }
}

// QLibrary leaves the libraries loaded: engine objects and their queued notifications may outlive the loader.
EngineLoader::~EngineLoader() = default;

void EngineLoader::load(Plugin& plugin, const QString& path, const char* createSymbol) {
    plugin.library = std::make_unique<QLibrary>(path);
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
    return (engine == kRealPlayer ? m_real : m_media).create != nullptr;
}

QString EngineLoader::strVersion(int engine) const {
    return (engine == kRealPlayer ? m_real : m_media).version;
}

QString EngineLoader::strLoadError(int engine) const {
    return (engine == kRealPlayer ? m_real : m_media).error;
}

std::unique_ptr<RealPlayerEngine> EngineLoader::createRealPlayer(QWidget* parent) const {
    if (m_real.create) {
        if (RealPlayerEngine* engine = reinterpret_cast<KestruneCreateRealPlayer>(m_real.create)(parent)) {
            return std::unique_ptr<RealPlayerEngine>(engine);
        }
    }
    return std::make_unique<MissingRealPlayer>(parent);
}

std::unique_ptr<MediaPlayerEngine> EngineLoader::createMediaPlayer(QWidget* parent) const {
    if (m_media.create) {
        if (MediaPlayerEngine* engine = reinterpret_cast<KestruneCreateMediaPlayer>(m_media.create)(parent)) {
            return std::unique_ptr<MediaPlayerEngine>(engine);
        }
    }
    return std::make_unique<MissingMediaPlayer>(parent);
}

EnginePreload::EnginePreload(const QString& enginesFolder) {
    const QList<QByteArray> paths{
        QFile::encodeName(enginesFolder + QLatin1Char('/') + QLatin1String(kRealPlayerPluginName)),
        QFile::encodeName(enginesFolder + QLatin1Char('/') + QLatin1String(kMediaPlayerPluginName))};
    m_thread = std::thread([this, paths] {
        for (const QByteArray& path : paths) {
            // A plugin that does not load here is reported by the loader, which tries it again. A plugin once
            // loaded stays: GStreamer and GLib, which it brings, cannot be unloaded safely.
            if (void* handle = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE))
                m_handles.push_back(handle);
        }
    });
}

EnginePreload::~EnginePreload() {
    m_thread.join();
    // The loader holds its own references to whatever it uses.
    for (void* handle : m_handles) ::dlclose(handle);
}
