#pragma once

#include <QString>
#include <QStringList>

// A saver program written by a test into a saver folder: an executable script that appends the arguments
// of each start to a log beside the folder, one line per start ("<argument count>:<first argument>"). A
// lingering saver stays until the test releases it.
class TestSaver {
  public:
    enum class Stay { No, UntilReleased };

    TestSaver(const QString& folder, const QString& name, Stay stay = Stay::No);
    // A saver that, once it has written down its start, becomes the program given (exec), with the same
    // argument.
    TestSaver(const QString& folder, const QString& name, const QString& thenRun);
    QString path() const { return m_path; }
    QStringList starts() const;
    void release() const;

  private:
    QString header() const;
    void write(const QString& folder, const QString& script) const;

    QString m_path;
    QString m_log;
    QString m_release;
};
