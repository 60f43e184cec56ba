#pragma once

#include <QTemporaryDir>
#include <optional>

// A runtime folder of its own ($XDG_RUNTIME_DIR, mode 0700) while the object lives; the one before is put
// back afterwards. The player is one per user: players of tests running side by side must never take each
// other for a running player.
class RuntimeFolder {
  public:
    RuntimeFolder();
    ~RuntimeFolder();
    QString path() const { return m_dir.path(); }
    // Waits until a player of this runtime folder listens for later starts.
    bool waitForChannel() const;

  private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_previous;
};
