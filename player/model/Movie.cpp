#include "Movie.h"

#include "base/Rounding.h"

Movie::Movie() : strFlag(strFlagFor(QDateTime::currentDateTime())) {}

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
