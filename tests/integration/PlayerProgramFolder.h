#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

#include "db/SettingsDatabase.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"

// A program folder of its own for the player under test: the engines of the build, and (for tests of the
// built program) a copy of brandock. The test's players are one per user, so each test gets its own runtime
// folder for the instance lock and channel.
class PlayerProgramFolder : public ::testing::Test {
  public:
    static QString media(const char* name) {
        return QStringLiteral(KESTRUNE_TEST_MEDIA_DIR "/") + QLatin1String(name);
    }

    struct Stored {
        SysConfig config;
        PlayList list;
        QStringList paths() const {
            QStringList result;
            for (long i = 1; i <= list.lngListCount(); ++i) result << list.objGetAItem(i)->strFilePath;
            return result;
        }
        QString playItem() const {
            const MoviePtr item = list.objGetPlayItem();
            return item ? item->strFilePath : QString();
        }
    };

  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        runtime = dir.path() + QStringLiteral("/runtime");
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        folder = dir.path() + QStringLiteral("/Kestrune");
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::link(QStringLiteral(KESTRUNE_ENGINE_DIR), folder + QStringLiteral("/engines")));
    }

    void TearDown() override {
        for (auto& player : players) {
            if (player->state() != QProcess::NotRunning) {
                player->kill();
                player->waitForFinished(5000);
            }
        }
    }

    QString databasePath() const { return settingsdb::strPathInProgramFolder(folder); }

    // Copies the built player into the program folder; its engine library goes beside it.
    void installProgram() {
        program = folder + QStringLiteral("/brandock");
        ASSERT_TRUE(QFile::copy(QStringLiteral(KESTRUNE_BRANDOCK), program));
        const QString library = QStringLiteral(KESTRUNE_ENGINE_API_LIBRARY);
        ASSERT_TRUE(QFile::copy(library, folder + QLatin1Char('/') + QFileInfo(library).fileName()));
        QFile::setPermissions(program, QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    }

    QProcess* start(const QStringList& arguments) {
        players.push_back(std::make_unique<QProcess>());
        QProcess* player = players.back().get();
        player->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        player->start(program, arguments);
        return player->waitForStarted(10000) ? player : nullptr;
    }

    // The exit status of a player that ends by itself; -1 when it does not end in time or crashes.
    static int waitForExit(QProcess* player, int timeoutMs = 20000) {
        if (!player || !player->waitForFinished(timeoutMs)) return -1;
        return player->exitStatus() == QProcess::NormalExit ? player->exitCode() : -1;
    }

    static int terminate(QProcess* player) {
        if (!player) return -1;
        ::kill(static_cast<pid_t>(player->processId()), SIGTERM);
        return waitForExit(player);
    }

    // Waits until the running player listens for later starts.
    bool waitForChannel() const {
        return QTest::qWaitFor(
            [&] { return QFile::exists(runtime + QStringLiteral("/play27182831415.socket")); }, 15000);
    }

    std::unique_ptr<Stored> readStored() const {
        auto stored = std::make_unique<Stored>();
        stored->config.setStrDBFilePath(databasePath());
        stored->config.boolGetData();
        stored->list.setStrPLDBFilePath(databasePath());
        QString error;
        stored->list.boolGetPlayListFromPLDB(error);
        return stored;
    }

    QTemporaryDir dir;
    QString runtime;
    QString folder;
    QString program;
    std::vector<std::unique_ptr<QProcess>> players;
};
