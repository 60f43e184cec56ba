#include "TextHelpers.h"

QString strFileNameOfPath(const QString& path) {
    if (path.isEmpty()) return {};
    qsizetype separator = path.lastIndexOf(QLatin1Char('\\'));
    if (separator < 0) separator = path.lastIndexOf(QLatin1Char('/'));
    if (separator < 0 || separator == path.size() - 1) return {};
    return path.mid(separator + 1);
}

QString strGetTimStringBySecValue(std::int64_t seconds) {
    if (seconds < 0) seconds = 0;
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = (seconds - 3600 * hours) / 60;
    const std::int64_t secs = seconds - 3600 * hours - 60 * minutes;
    const auto twoDigits = [](std::int64_t v) {
        return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
    };
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') + twoDigits(secs);
}
