#pragma once

#include <QDBusConnection>
#include <QMutex>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QThread>

// A session bus of the test's own (`dbus-daemon --session`), stopped when the object goes.
class PrivateSessionBus {
  public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    bool started() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    // A new connection to it, under a name of its own.
    QDBusConnection connect(const QString& name) const;

  private:
    QProcess m_daemon;
    QString m_address;
};

// A desktop's screen-saver service (org.freedesktop.ScreenSaver) on a private bus that writes down the
// inhibitions it is asked for. It answers on a thread of its own, so that the test's own thread may wait
// for its answers.
class StandInScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
  public:
    explicit StandInScreenSaver(const PrivateSessionBus& bus);
    ~StandInScreenSaver() override;
    bool registered() const { return m_registered; }
    // "Inhibit <application>" with the cookie it answered, "UnInhibit <cookie>".
    QStringList calls() const;

  public slots:
    uint Inhibit(const QString& application, const QString& reason);
    void UnInhibit(uint cookie);

  private:
    QDBusConnection m_connection;
    QThread m_thread;
    bool m_registered = false;
    mutable QMutex m_mutex;
    QStringList m_calls;
    uint m_nextCookie = 41;
};
