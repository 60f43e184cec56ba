#include "FieldValue.h"

#include <cmath>

#include "base/Rounding.h"

QString strFieldText(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

std::optional<double> optFieldNumber(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return std::nullopt;
    switch (value.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
        case QMetaType::Bool:
            return static_cast<double>(value.toLongLong());
        case QMetaType::Double:
            return value.toDouble();
        default:
            break;
    }
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    return number;
}

std::optional<std::int64_t> optFieldInteger(const QVariant& value, std::int64_t minimum,
                                            std::int64_t maximum) {
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
        const qint64 whole = value.toLongLong();
        if (whole < minimum || whole > maximum) return std::nullopt;
        return whole;
    }
    const std::optional<double> number = optFieldNumber(value);
    if (!number || *number < static_cast<double>(minimum) - 0.5 ||
        *number > static_cast<double>(maximum) + 0.5) {
        return std::nullopt;
    }
    const std::int64_t whole = lngRoundHalfEven(*number);
    if (whole < minimum || whole > maximum) return std::nullopt;
    return whole;
}
