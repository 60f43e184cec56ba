#include "SessionBusInhibition.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcInhibit, "kestrune.platform.inhibit")

struct InhibitService {
    const char* service;
    const char* path;
    const char* interface;
};

constexpr InhibitService kServices[] = {
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
    {"org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
     "org.freedesktop.PowerManagement.Inhibit"},
};
}  // namespace

static_assert(std::size(kServices) == SessionBusInhibition::kServiceCount);

void SessionBusInhibition::hold(const QDBusConnection& bus) {
    if (m_boolHeld || !bus.isConnected()) return;
    for (std::size_t index = 0; index < std::size(kServices); ++index) {
        const InhibitService& service = kServices[index];
        const auto now = std::chrono::steady_clock::now();
        if (m_missingSince[index] && now - *m_missingSince[index] < kMissingServiceRetry) continue;
        QDBusMessage call =
            QDBusMessage::createMethodCall(QLatin1String(service.service), QLatin1String(service.path),
                                           QLatin1String(service.interface), QStringLiteral("Inhibit"));
        call << QStringLiteral("Brandock") << QStringLiteral("Playing media");
        const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
            if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")) {
                if (!m_missingSince[index]) qCInfo(lcInhibit) << service.service << "is not on this desktop";
                m_missingSince[index] = now;
            } else {
                qCDebug(lcInhibit) << service.service << "not inhibited:" << reply.errorMessage();
            }
            continue;
        }
        m_boolHeld = true;
        m_lngCookie = reply.arguments().constFirst().toUInt();
        m_strService = QLatin1String(service.service);
        m_strPath = QLatin1String(service.path);
        m_strInterface = QLatin1String(service.interface);
        qCInfo(lcInhibit) << "idle actions inhibited through" << m_strService;
        return;
    }
}

void SessionBusInhibition::release(const QDBusConnection& bus) {
    if (!m_boolHeld) return;
    m_boolHeld = false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_strService, m_strPath, m_strInterface, QStringLiteral("UnInhibit"));
    call << m_lngCookie;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        qCInfo(lcInhibit) << m_strService << "inhibition not released:" << reply.errorMessage();
}
