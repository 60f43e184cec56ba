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
    QString path() const { return m_path; }
    QStringList starts() const;
    void release() const;

  private:
    QString m_path;
    QString m_log;
    QString m_release;
};
