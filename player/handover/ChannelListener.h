#pragma once

#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

// The listening end of the hand-over channel: a local socket file that only this user may open. The socket
// and its file stay as long as the object: when the process is out of descriptors, accepting pauses for a
// moment, and the starts that connect meanwhile wait in the socket's queue.
class ChannelListener {
  public:
    // Takes each accepted connection's descriptor, and with it the duty to close it.
    using Acceptor = std::function<void(int descriptor)>;

    explicit ChannelListener(Acceptor acceptor);
    ~ChannelListener();
    ChannelListener(const ChannelListener&) = delete;
    ChannelListener& operator=(const ChannelListener&) = delete;

    // Listens at path in place of whatever is there: only the holder of the instance lock listens, so a file
    // found there is a dead player's.
    bool boolListen(const QString& path, QString& strErrInfo);
    // The socket file; empty while not listening.
    const QString& strPath() const { return m_path; }

  private:
    void acceptPending();
    void close();

    Acceptor m_acceptor;
    int m_fd = -1;
    QString m_path;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_resume;
    bool m_boolPaused = false;
};
