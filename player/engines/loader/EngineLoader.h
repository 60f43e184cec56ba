#pragma once

#include <QLibrary>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "engines/api/MediaPlayerEngine.h"
#include "engines/api/RealPlayerEngine.h"

// Loads the two engine plugins from an engines folder, each when it is first needed: asked about, made, or
// prepared in the background. An engine whose plugin is absent, was built for another version of the engine
// interfaces (or names none), lacks its entry points or whose library does not start is "not installed":
// its stand-in fails every start, so the screen window falls back or reports the failure as for any file
// the engine cannot play.
class EngineLoader {
  public:
    static constexpr int kRealPlayer = 1;
    static constexpr int kMediaPlayer = 2;

    // The engines folder of the program folder.
    static QString strDefaultEnginesFolder();

    explicit EngineLoader(const QString& enginesFolder = strDefaultEnginesFolder());
    // Waits for a preparation still running.
    ~EngineLoader();
    EngineLoader(const EngineLoader&) = delete;
    EngineLoader& operator=(const EngineLoader&) = delete;

    // These load the engine's plugin when it has not been loaded yet.
    bool boolInstalled(int engine) const;
    // The engine library's version text; empty when not installed.
    QString strVersion(int engine) const;
    // Why an engine is not installed; empty when it is.
    QString strLoadError(int engine) const;

    // Whether the engine's plugin has been loaded (or found missing) yet; loads nothing.
    bool boolLoaded(int engine) const;
    // Loads the engine's plugin and starts its library on a thread of its own while the caller goes on:
    // libmpv alone brings a hundred-odd libraries that take the dynamic linker a good part of a start. What
    // needs the engine later waits for the rest of it, if any. whenLoaded, if given, runs once the plugin
    // is loaded or found missing: on that thread, or at once on the caller's when that was known already; it
    // is not run when a preparation of that engine is still under way.
    void prepareInBackground(int engine, std::function<void()> whenLoaded = {});

    // Engines made at once.
    std::unique_ptr<RealPlayerEngine> createRealPlayer(QWidget* parent = nullptr) const;
    std::unique_ptr<MediaPlayerEngine> createMediaPlayer(QWidget* parent = nullptr) const;
    // Engines whose plugin is loaded and whose engine is made the first time one is asked to play (see
    // EngineOnDemand.h); until then they keep what they are told and stand for an engine that plays nothing.
    // They may outlive the loader.
    std::unique_ptr<RealPlayerEngine> createRealPlayerOnDemand(QWidget* parent = nullptr) const;
    std::unique_ptr<MediaPlayerEngine> createMediaPlayerOnDemand(QWidget* parent = nullptr) const;

    struct Plugin {
        QString path;
        const char* createSymbol = nullptr;
        std::once_flag loaded;
        std::atomic<bool> boolTried{false};  // the load has ended
        std::unique_ptr<QLibrary> library;
        QString version;
        QString error;
        QFunctionPointer create = nullptr;
    };
    struct Plugins {
        Plugin real;
        Plugin media;
        Plugin& of(int engine) { return engine == kRealPlayer ? real : media; }
        // Loads the plugin once; every later call, from any thread, finds it loaded.
        Plugin& loaded(int engine);
    };

  private:
    static void load(Plugin& plugin);

    std::shared_ptr<Plugins> m_plugins;
    std::thread m_preparation[2];  // one for each engine
};
