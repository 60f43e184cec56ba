#pragma once

#include <QString>
#include <QTemporaryDir>

// A saver folder of its own in a temporary folder with a copy of the built text saver, so that its parameter
// database ("sarnwick.db" beside it) is the test's alone.
class SaverFolder {
  public:
    SaverFolder();
    QString path() const { return m_dir.path(); }
    QString program() const { return m_dir.filePath(QStringLiteral("sarnwick")); }
    QString databasePath() const { return program() + QStringLiteral(".db"); }

  private:
    QTemporaryDir m_dir;
};

// A stand-in saver program of that name in the folder (made when missing): an executable that does nothing,
// for the lists of saver programs. False (and a test failure) when it cannot be written.
bool addStandInSaverProgram(const QString& folder, const QString& name);
