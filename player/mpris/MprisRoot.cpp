#include "MprisRoot.h"

#include <QTimer>

#include "assoc/ExtensionTypes.h"
#include "control/Controler.h"

MprisRoot::MprisRoot(QObject* object, Controler& controler)
    : QDBusAbstractAdaptor(object), m_controler(controler) {}

QString MprisRoot::Identity() const {
    return QStringLiteral("Brandock");
}

// The desktop entry the player's file associations write.
QString MprisRoot::DesktopEntry() const {
    return QStringLiteral("kestrune-brandock");
}

QStringList MprisRoot::SupportedUriSchemes() const {
    return {QStringLiteral("file"), QStringLiteral("http")};
}

QStringList MprisRoot::SupportedMimeTypes() const {
    return extension_types::tableTypes();
}

void MprisRoot::Raise() {
    m_controler.showMainFace();
}

// After the answer has gone: the exit takes the windows, and the caller need not wait for it.
void MprisRoot::Quit() {
    QTimer::singleShot(0, &m_controler, [controler = &m_controler] { controler->exitSys(); });
}
