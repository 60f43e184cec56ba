#include "CheckDllVer.h"

#include <QRegularExpression>
#include <QStringList>

#include "engines/loader/EngineLoader.h"

namespace {
const QString kNotAvailable = QStringLiteral("N/A");
}

QString CheckDllVer::GetVersionInfo(const EngineLoader& engines, int engine) {
    if (!engines.boolInstalled(engine)) return kNotAvailable;
    return strFourPartVersion(engines.strVersion(engine));
}

QString CheckDllVer::strFourPartVersion(const QString& versionText) {
    static const QRegularExpression numbers(QStringLiteral("(\\d{1,5})(?:\\.(\\d{1,5}))*"));
    const QRegularExpressionMatch match = numbers.match(versionText);
    if (!match.hasMatch()) return kNotAvailable;
    QStringList parts = match.captured(0).split(QLatin1Char('.'));
    while (parts.size() < 4) parts << QStringLiteral("0");
    QStringList four;
    // Each part as the platform's version record holds it: a signed 16-bit number.
    for (int i = 0; i < 4; ++i) four << QString::number(static_cast<qint16>(parts.at(i).toInt()));
    return four.join(QLatin1Char('.'));
}

bool CheckDllVer::boolMajorAtLeast(const QString& version, int minimumMajor) {
    const qsizetype dot = version.indexOf(QLatin1Char('.'));
    if (version == kNotAvailable || dot < 0) return false;
    bool number = false;
    const int major = version.left(dot).toInt(&number);
    return number && major >= minimumMajor;
}
