#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "model/PlayList.h"
#include "model/SysConfig.h"
#include "support/ProcessesUnderTest.h"
#include "support/RuntimeFolder.h"

// A program folder of its own in a temporary folder: the engines of the build linked in and, on request, a
// copy of the built player with its engine library beside it. Seeds and reads back the stored play list and
// settings.
class ProgramFolder {
  public:
    struct Stored {
        SysConfig config;
        PlayList list;
        QStringList paths() const;
        QString playItem() const {
            return list.objGetPlayItem() ? list.objGetPlayItem()->strFilePath : QString();
        }
    };

    // parentName: a folder of that name in the temporary folder holds the program folders, as a user's
    // installation folder with blanks or quotes in its name would.
    explicit ProgramFolder(const QString& parentName = {});
    // The folder that holds the program folder, for the test's other files.
    QString root() const { return m_root; }
    QString path() const { return m_path; }
    QString databasePath() const { return m_path + QStringLiteral("/SysConfig"); }
    QString program() const { return m_path + QStringLiteral("/brandock"); }

    // Copies the built player in; false (and a test failure) when it cannot.
    bool installProgram();
    // Takes an engine's plugin (EngineLoader::kRealPlayer or kMediaPlayer) out of the program folder's
    // engines folder, or puts the build's back; the folder then holds links to each plugin of its own.
    bool setEngineInstalled(int engine, bool installed);
    // Copies the built engine installers ("PlyPcks") and download pages ("DLUrls") in.
    bool installEngineSources();
    // Copies the built association launcher into "FileAssocia" beside the program folder.
    bool installLauncher();
    // Copies the built association tool into the program folder.
    bool installTolvane();
    QString tolvane() const { return m_path + QStringLiteral("/tolvane"); }
    QString launcher() const { return root() + QStringLiteral("/FileAssocia/kestrune-open"); }
    // A new settings database holding these files, the first as play item, and the settings as `settings`
    // leaves them (from the defaults, with the play list kept).
    void seed(const QStringList& files, const std::function<void(SysConfig&)>& settings);
    std::unique_ptr<Stored> readStored() const;

  private:
    QTemporaryDir m_dir;
    QString m_root;
    QString m_path;
};

// A test of the player in a program folder of its own, with a runtime folder of its own for the instance
// lock and channel, and the players it starts.
class ProgramFolderTest : public ::testing::Test {
  protected:
    QProcess* start(const QStringList& arguments) { return players.start(folder.program(), arguments); }
    static int waitForExit(QProcess* player) { return ProcessesUnderTest::waitForExit(player); }
    static int terminate(QProcess* player) { return ProcessesUnderTest::terminate(player); }
    std::unique_ptr<ProgramFolder::Stored> readStored() const { return folder.readStored(); }

    RuntimeFolder runtime;
    ProgramFolder folder;
    ProcessesUnderTest players;
};
