#pragma once

#include <string_view>

// A later start's end of the hand-over channel, on a plain blocking socket: a start that only hands over
// needs neither a toolkit nor an event loop.
class InstanceSender {
  public:
    // Connects to the running player's socket at path, waiting up to timeoutMs for room in its queue.
    InstanceSender(std::u16string_view path, int timeoutMs);
    ~InstanceSender();
    InstanceSender(const InstanceSender&) = delete;
    InstanceSender& operator=(const InstanceSender&) = delete;

    bool boolConnected() const { return m_fd >= 0; }
    // Sends one string and waits until the player has handled it; false when it could not be sent or the
    // player did not answer within timeoutMs.
    bool boolSend(std::u16string_view text, int timeoutMs);

  private:
    bool boolSetTimeout(int option, int timeoutMs);

    int m_fd = -1;
};
