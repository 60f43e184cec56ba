#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A runtime folder of its own ($XDG_RUNTIME_DIR, mode 0700) while the object lives; the one before is put
// back afterwards. The player is one per user: players of tests running side by side must never take each
// other for a running player.
class RuntimeFolder {
  public:
    RuntimeFolder();
    ~RuntimeFolder();
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

    QString path() const { return m_dir.path(); }
    // Waits until a player of this runtime folder listens for later starts.
    bool waitForChannel(int timeoutMs = 15000) const;

  private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};
