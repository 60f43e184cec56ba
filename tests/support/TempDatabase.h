#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

// A settings database made from the built-in schema in a temporary program folder, with raw SQL access for
// setting up and inspecting rows behind the back of the code under test.
class TempDatabase {
  public:
    TempDatabase();
    QString folder() const { return m_dir.path(); }
    QString path() const { return m_path; }
    // Runs statements; fails the test on an error.
    void exec(const QString& sql) const;
    // The first column of the first row of a query, or a null value.
    QVariant scalar(const QString& sql) const;
    // The stored play list's paths, in order, as the player reads them.
    QStringList storedPaths() const;
    // Replaces the file with these bytes, as damage would.
    void overwrite(const QByteArray& bytes) const;

  private:
    QTemporaryDir m_dir;
    QString m_path;
};
