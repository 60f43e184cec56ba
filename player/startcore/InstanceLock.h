#pragma once

#include <string>

// The previous-instance test: one player per user. The player holds an exclusive lock on the file
// "play27182831415.lock" in the user's runtime folder for as long as it runs; the system lets it go when
// the process ends however it ends, so a player that died never keeps a later start from becoming the
// player. The program's start takes the lock and hands it to the player it becomes.
class InstanceLock {
  public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process is the player: it holds the lock, or there is no runtime folder to hold one in
    // (strNoChannel() then says why: this player runs alone, and later starts cannot reach it). False when
    // another player holds the lock.
    bool boolAcquire();
    // True from a boolAcquire that answered true until release: this process is the player.
    bool boolAcquired() const { return m_boolAcquired; }
    void release();
    const std::u16string& strNoChannel() const { return m_strNoChannel; }

  private:
    int m_fd = -1;
    std::string m_path;
    std::u16string m_strNoChannel;
    bool m_boolAcquired = false;
};
