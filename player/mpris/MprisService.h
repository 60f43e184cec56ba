#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <QVariantMap>
#include <memory>
#include <optional>

class Controler;
class MprisPlayer;
class PanelTransport;

// The player on the session bus as a media player of the desktop (MPRIS 2.2): the object
// /org/mpris/MediaPlayer2 under the name org.mpris.MediaPlayer2.kestrune, or, while another player holds
// that name on the bus, org.mpris.MediaPlayer2.kestrune.instance<pid>. It announces changes of the play
// state, the play item, the volume and what can be done (PropertiesChanged), and each seek (Seeked).
// Starting it never holds the windows: the bus is reached on a thread of its own and its name asked for
// without waiting; without a session bus the player runs on without it, and says so once in its log.
class MprisService : public QObject {
    Q_OBJECT
  public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    static constexpr const char* kBusName = "org.mpris.MediaPlayer2.kestrune";

    MprisService(Controler& controler, PanelTransport& panel);
    ~MprisService() override;

    void start();
    // The name the player holds on the bus; empty until it has one.
    QString strBusName() const { return m_strBusName; }

  signals:
    // The bus name is the player's (or none could be had: empty).
    void BusNameSettled(const QString& strBusName);

  private:
    void busReached(QDBusConnection bus);
    void askForName(const QString& name, bool boolLastTry);
    void announceChanges();

    MprisPlayer* m_player = nullptr;
    std::unique_ptr<QThread> m_busThread;
    std::optional<QDBusConnection> m_bus;
    QString m_strBusName;
    QVariantMap m_announced;
    // Changes that come together (a batch of files, a step to the next item) are announced once.
    QTimer m_announceSoon;
};
