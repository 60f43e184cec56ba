#pragma once

#include <QString>

// A later start's end of the hand-over channel on a plain socket: it connects, sends records and waits for
// their answers while running the caller's event loop, so the player's end can live in the same thread.
class ChannelClient {
  public:
    // Connects to the socket at path, waiting up to timeoutMs for room in its queue.
    explicit ChannelClient(const QString& path, int timeoutMs = 5000);
    ~ChannelClient();
    ChannelClient(const ChannelClient&) = delete;
    ChannelClient& operator=(const ChannelClient&) = delete;

    bool connected() const { return m_fd >= 0; }
    // Sends one record of the text and waits for the player's answer.
    bool send(const QString& text, int timeoutMs = 5000);
    // Writes the record without waiting for an answer.
    bool post(const QString& text);
    bool waitForAnswer(int timeoutMs = 5000);
    // True once the player has closed its end.
    bool closedByPlayer();

  private:
    int m_fd = -1;
};
