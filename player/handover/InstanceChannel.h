#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalSocket;

// Only one player runs per user. The first process holds a lock file in the user's runtime folder and
// listens on a local socket beside it that only this user may open; a later process sends its strings there
// and ends. Both are named from the player's instance caption, which its tray window also carries.
namespace instancechannel {

inline constexpr const char* kInstanceCaption = "play27182831415";

// The user's runtime folder (XDG_RUNTIME_DIR, private to the user); the channel's files live there.
QString strRuntimeFolder();
QString strLockFilePath();
QString strServerPath();

// How long a sender waits for the running player to take a string before giving up on it.
inline constexpr int kSendTimeoutMs = 60000;

// Sends one string to the running player and waits until it has handled it; false when the player could
// not be reached or did not answer.
bool sendStringToInstance(QLocalSocket& socket, const QString& text);

}  // namespace instancechannel

// The previous-instance test: true when this process holds the lock, false when another player does.
class InstanceLock {
  public:
    InstanceLock();
    bool boolAcquire();
    void release() { m_lock.unlock(); }

  private:
    QLockFile m_lock;
};

// The running player's end of the channel: it reads whole records from any number of senders, hands each
// string to the handler on the window thread and answers one byte once the handler has returned.
class InstanceServer : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void(const QString&)>;

    explicit InstanceServer(Handler handler, QObject* parent = nullptr);
    bool boolListen(QString& strErrInfo);
    QString strServerPath() const { return m_server.fullServerName(); }

  private:
    void readRecords(QLocalSocket* socket);

    Handler m_handler;
    QLocalServer m_server;
};
