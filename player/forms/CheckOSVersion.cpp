#include "CheckOSVersion.h"

#include <QFile>
#include <QRegularExpression>

namespace {
struct KnownSystem {
    int platformId;
    int major;  // -1: any
    int minor;  // -1: any
    const char* name;
    int flag;
};

constexpr KnownSystem kKnownSystems[] = {
    {0, -1, -1, "Windows 3.0", 11},       {1, 4, 0, "Windows 95", 12},
    {1, 4, 10, "Windows 98", 13},         {1, 4, 90, "Windows Mellinnium", 14},
    {2, 3, -1, "Windows NT 3.51", 151},   {2, 4, -1, "Windows NT 4.0", 152},
    {2, 5, 0, "Windows 2000", 16},        {2, 5, 1, "Windows XP", 17},
    {2, 5, 2, "Windows Server 2003", 18}, {2, 6, -1, "Windows Vista", 19},
};

// The version record a Linux desktop answers with: the newest system of the table.
constexpr int kLinuxPlatformId = 2;
constexpr int kLinuxMajor = 6;
constexpr int kLinuxMinor = 0;
}  // namespace

void CheckOSVersion::getOSVersion() {
    getOSVersion(kLinuxPlatformId, kLinuxMajor, kLinuxMinor);
    m_strOSName = strOSReleaseName();
}

void CheckOSVersion::getOSVersion(int platformId, int major, int minor) {
    m_strOSName = QStringLiteral("无法识别的操作系统");
    m_enumOSVersionFlag = kUnrecognised;
    for (const KnownSystem& system : kKnownSystems) {
        if (system.platformId == platformId && (system.major < 0 || system.major == major) &&
            (system.minor < 0 || system.minor == minor)) {
            m_strOSName = QString::fromLatin1(system.name);
            m_enumOSVersionFlag = system.flag;
            return;
        }
    }
}

bool CheckOSVersion::boolSupported() const {
    return m_enumOSVersionFlag >= 16 && m_enumOSVersionFlag <= 19;
}

QString CheckOSVersion::strOSReleaseName(const QString& osReleasePath) {
    QFile file(osReleasePath);
    QString pretty, name;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression line(QStringLiteral("^(PRETTY_NAME|NAME)=\"?([^\"]*)\"?$"));
        for (const QString& text : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = line.match(text.trimmed());
            if (!match.hasMatch()) continue;
            (match.captured(1) == QLatin1String("NAME") ? name : pretty) = match.captured(2).trimmed();
        }
    }
    if (!pretty.isEmpty()) return pretty;
    return name.isEmpty() ? QStringLiteral("Linux") : name;
}
