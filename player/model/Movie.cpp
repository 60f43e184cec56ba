#include "Movie.h"

#include "base/Rounding.h"

namespace {
// The key of the current millisecond. Reading the local time consults the time zone (a file check) every
// time; the items of one batch are made within a few milliseconds, so the key is worked out once for each.
QString strFlagOfNow() {
    thread_local qint64 lastMs = -1;
    thread_local QString lastFlag;
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    if (nowMs != lastMs) {
        lastMs = nowMs;
        lastFlag = Movie::strFlagFor(QDateTime::fromMSecsSinceEpoch(nowMs));
    }
    return lastFlag;
}
}  // namespace

Movie::Movie() : strFlag(strFlagOfNow()) {}

QString Movie::strFlagFor(const QDateTime& localTime) {
    const QDate date = localTime.date();
    // The seconds since midnight are kept in single precision before they become milliseconds.
    const float seconds = static_cast<float>(localTime.time().msecsSinceStartOfDay()) / 1000.0f;
    const auto milliseconds = lngRoundHalfEven(static_cast<double>(seconds * 1000.0f));
    return QStringLiteral("F%1%2%3%4")
        .arg(date.year())
        .arg(date.month())
        .arg(date.day())
        .arg(milliseconds, 8, 10, QLatin1Char('0'));
}
