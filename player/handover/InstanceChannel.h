#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Only one player runs per user. The first process holds a lock file in the user's runtime folder and
// listens on a local socket beside it that only this user may open; a later process sends its strings there
// and ends. Both are named from the player's instance caption, which its tray window also carries.
namespace instancechannel {

inline constexpr const char* kInstanceCaption = "play27182831415";

// The folder of the lock and the socket, which must be the user's alone: XDG_RUNTIME_DIR when it is a
// folder (not a link) that the user owns with mode 0700, else "kestrune-<uid>" in the temporary folder, made
// with mode 0700 when missing. Empty, with the reason in strErrInfo, when that folder is there and is not
// such a folder: the channel's files never go where another user could have put something first.
QString strRuntimeFolder(QString* strErrInfo = nullptr);
// Both empty without a runtime folder.
QString strLockFilePath();
QString strServerPath();

// How long a sender waits for room in the channel's queue, and for the running player to take a string,
// before giving up.
inline constexpr int kConnectTimeoutMs = 5000;
inline constexpr int kSendTimeoutMs = 60000;

// What a later start does: "-SMF" to the running player, then the command line when there is one; a command
// line too long for one record travels as a file-list block of this start's own. Needs no display: a start
// that only hands over never connects to the window system. A player that is still starting has no channel
// yet; the start then ends without handing anything over.
void handOverToRunningPlayer(const QString& strCommandLine);

}  // namespace instancechannel

// The previous-instance test.
class InstanceLock {
  public:
    // True when this process is the player: it holds the lock, or there is no runtime folder to hold one in
    // (strNoChannel() then says why: this player runs alone, and later starts cannot reach it). False when
    // another player holds the lock.
    bool boolAcquire();
    // True from a boolAcquire that answered true until release: this process is the player.
    bool boolAcquired() const { return m_boolAcquired; }
    void release();
    const QString& strNoChannel() const { return m_strNoChannel; }

  private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_strNoChannel;
    bool m_boolAcquired = false;
};
