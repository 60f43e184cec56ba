#pragma once

#include <QLibrary>
#include <QString>
#include <memory>
#include <thread>
#include <vector>

#include "engines/api/MediaPlayerEngine.h"
#include "engines/api/RealPlayerEngine.h"

// Loads the two engine plugins from an engines folder. An engine whose plugin is absent, was built for
// another version of the engine interfaces (or names none), lacks its entry points or whose library does not
// start is "not installed": its stand-in fails every start, so the screen window falls back or reports the
// failure as for any file the engine cannot play.
class EngineLoader {
  public:
    static constexpr int kRealPlayer = 1;
    static constexpr int kMediaPlayer = 2;

    // The engines folder of the program folder.
    static QString strDefaultEnginesFolder();

    explicit EngineLoader(const QString& enginesFolder = strDefaultEnginesFolder());
    ~EngineLoader();

    bool boolInstalled(int engine) const;
    // The engine library's version text; empty when not installed.
    QString strVersion(int engine) const;
    // Why an engine is not installed; empty when it is.
    QString strLoadError(int engine) const;

    std::unique_ptr<RealPlayerEngine> createRealPlayer(QWidget* parent = nullptr) const;
    std::unique_ptr<MediaPlayerEngine> createMediaPlayer(QWidget* parent = nullptr) const;

  private:
    struct Plugin {
        std::unique_ptr<QLibrary> library;
        QString version;
        QString error;
        QFunctionPointer create = nullptr;
    };
    static void load(Plugin& plugin, const QString& path, const char* createSymbol);

    Plugin m_real;
    Plugin m_media;
};

// Maps the engine plugins and the libraries they link into the process on a thread of its own, while the
// rest of start-up goes on: libmpv alone brings a hundred-odd libraries that take the dynamic linker a
// good part of a start. An EngineLoader made afterwards finds them loaded. Going away waits for the thread.
class EnginePreload {
  public:
    explicit EnginePreload(const QString& enginesFolder = EngineLoader::strDefaultEnginesFolder());
    ~EnginePreload();
    EnginePreload(const EnginePreload&) = delete;
    EnginePreload& operator=(const EnginePreload&) = delete;

  private:
    std::thread m_thread;
    std::vector<void*> m_handles;
};
