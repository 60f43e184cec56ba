#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "model/PlayList.h"
#include "model/SysConfig.h"

// A program folder of its own in a temporary folder: the engines of the build linked in and, on request, a
// copy of the built player with its engine library beside it. Seeds and reads back the stored play list and
// settings.
class ProgramFolder {
  public:
    struct Stored {
        SysConfig config;
        PlayList list;
        QStringList paths() const;
        QString playItem() const;
    };

    ProgramFolder();
    // The temporary folder that holds the program folder, for the test's other files.
    QString root() const { return m_dir.path(); }
    QString path() const { return m_path; }
    QString databasePath() const;
    QString program() const { return m_path + QStringLiteral("/brandock"); }

    // Copies the built player in; false (and a test failure) when it cannot.
    bool installProgram();
    // A new settings database holding these files, the first as play item, and the settings as `settings`
    // leaves them (from the defaults, with the play list kept).
    void seed(const QStringList& files, const std::function<void(SysConfig&)>& settings);
    std::unique_ptr<Stored> readStored() const;

  private:
    QTemporaryDir m_dir;
    QString m_path;
};
