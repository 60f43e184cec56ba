#include "MprisService.h"

#include <unistd.h>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "MprisLog.h"
#include "MprisPlayer.h"
#include "MprisRoot.h"
#include "control/Controler.h"
#include "platform/SessionBus.h"

namespace {
constexpr qint64 kMicroseconds = 1000000;
// RequestName's flag and answers, as the bus daemon numbers them.
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;
constexpr uint kAlreadyOwner = 4;
}  // namespace

// The two interfaces are this object's adaptors: the bus sees them on its path, and they go with it.
MprisService::MprisService(Controler& controler, PanelTransport& panel) {
    new MprisRoot(this, controler);
    m_player = new MprisPlayer(this, controler, panel);
    m_announceSoon.setSingleShot(true);
    m_announceSoon.setInterval(0);
    connect(&m_announceSoon, &QTimer::timeout, this, &MprisService::announceChanges);
    for (auto change : {&Controler::StateChange, &Controler::PlayItemChange, &Controler::VolumeChange}) {
        connect(&controler, change, this, [this] {
            if (m_bus && !m_announceSoon.isActive()) m_announceSoon.start();
        });
    }
    connect(&controler, &Controler::JinDuSet, this, [this](qint64 lngSeconds) {
        if (m_bus) emit m_player->Seeked(lngSeconds * kMicroseconds);
    });
}

// A connection still being made is waited for: it answers at the latest when the bus does.
MprisService::~MprisService() {
    if (m_busThread) m_busThread->wait();
    if (!m_bus) return;
    m_bus->unregisterObject(QLatin1String(kObjectPath));
    if (!m_strBusName.isEmpty()) {
        m_bus->send(QDBusMessage::createMethodCall(
                        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ReleaseName"))
                    << m_strBusName);
    }
}

void MprisService::start() {
    if (m_busThread) return;
    m_busThread.reset(QThread::create([this] {
        const QDBusConnection bus = sessionBusWhenOffered();
        QMetaObject::invokeMethod(
            this, [this, bus] { busReached(bus); }, Qt::QueuedConnection);
    }));
    m_busThread->start();
}

void MprisService::busReached(QDBusConnection bus) {
    if (!bus.isConnected()) {
        qCInfo(lcMpris) << "no session bus: the desktop's media controls do not reach the player"
                        << bus.lastError().message();
        emit BusNameSettled(QString());
        return;
    }
    if (!bus.registerObject(QLatin1String(kObjectPath), this, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcMpris) << "the media controls' object is not on the bus:" << bus.lastError().message();
        emit BusNameSettled(QString());
        return;
    }
    m_bus = bus;
    m_announced = m_player->announcedProperties();
    askForName(QLatin1String(kBusName), false);
}

// Without waiting for the answer: a bus that is slow to answer never holds the windows.
void MprisService::askForName(const QString& name, bool boolLastTry) {
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << name << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, name, boolLastTry](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (!reply.isError() && (reply.value() == kPrimaryOwner || reply.value() == kAlreadyOwner)) {
                    m_strBusName = name;
                    qCInfo(lcMpris) << "the desktop's media controls reach the player as" << name;
                    emit BusNameSettled(name);
                } else if (!boolLastTry) {
                    // Another player of the user's holds the name on this bus.
                    askForName(name + QStringLiteral(".instance") + QString::number(::getpid()), true);
                } else {
                    qCWarning(lcMpris)
                        << "no bus name for the media controls:"
                        << (reply.isError() ? reply.error().message() : QStringLiteral("taken"));
                    emit BusNameSettled(QString());
                }
            });
}

void MprisService::announceChanges() {
    if (!m_bus) return;
    const QVariantMap now = m_player->announcedProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (m_announced.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
    m_announced = now;
    if (changed.isEmpty()) return;
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(kObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    m_bus->send(signal);
}
