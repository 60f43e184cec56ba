#include "RegistryPath.h"

namespace {
QString fullRootName(const QString& root) {
    const QString upper = root.toUpper();
    if (upper == QLatin1String("HKCR") || upper == QLatin1String(kClassesRoot))
        return QLatin1String(kClassesRoot);
    if (upper == QLatin1String("HKLM") || upper == QLatin1String(kLocalMachineRoot))
        return QLatin1String(kLocalMachineRoot);
    if (upper == QLatin1String("HKCU") || upper == QLatin1String("HKEY_CURRENT_USER"))
        return QStringLiteral("HKEY_CURRENT_USER");
    if (upper == QLatin1String("HKU") || upper == QLatin1String("HKEY_USERS"))
        return QStringLiteral("HKEY_USERS");
    return {};
}
}  // namespace

bool RegistryPath::parse(const QString& text, RegistryPath& path, QString& error) {
    path = RegistryPath{};
    const qsizetype firstSeparator = text.indexOf(QLatin1Char('\\'));
    if (firstSeparator < 0) {
        error = QStringLiteral("not a registry path: \"%1\"").arg(text);
        return false;
    }
    path.root = fullRootName(text.left(firstSeparator));
    if (path.root.isEmpty()) {
        error = QStringLiteral("unknown root in \"%1\"").arg(text);
        return false;
    }
    QStringList parts = text.mid(firstSeparator + 1).split(QLatin1Char('\\'));
    path.isDefault = parts.last().isEmpty();
    if (path.isDefault) {
        parts.removeLast();
    } else {
        path.valueName = parts.takeLast();
    }
    if (parts.isEmpty() || parts.contains(QString())) {
        error = QStringLiteral("no key named in \"%1\"").arg(text);
        return false;
    }
    path.keys = parts;
    return true;
}
