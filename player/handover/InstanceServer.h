#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <list>

#include "ChannelListener.h"

class QLocalSocket;

// The running player's end of the channel: it reads whole records from its senders, hands each string to the
// handler on the window thread and answers one byte once the handler has returned. It keeps kMaxSenders
// connections at most: beyond that the one idle longest goes, or the new one when every other is being
// served, so that no flood of connections can use up the process's descriptors.
class InstanceServer : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void(const QString&)>;
    static constexpr int kMaxSenders = 64;

    explicit InstanceServer(Handler handler, QObject* parent = nullptr);
    bool boolListen(QString& strErrInfo);
    QString strServerPath() const { return m_listener.strPath(); }

  private:
    void takeSender(int descriptor);
    bool boolDropIdlestSender();
    void readRecords(QLocalSocket* socket);

    Handler m_handler;
    ChannelListener m_listener;
    // The connections kept, the one active longest ago first.
    std::list<QLocalSocket*> m_senders;
    qint64 m_lngDropped = 0;
};
