#include "SessionBus.h"

#include <QFileInfo>

QDBusConnection sessionBusWhenOffered() {
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool offered =
        !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ||
        (!runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + QStringLiteral("/bus")));
    return offered ? QDBusConnection::sessionBus() : QDBusConnection(QString());
}
