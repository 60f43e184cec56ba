#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

// Reading the loosely typed values of database fields. A damaged file may hold NULL or text where numbers
// belong; these answers let callers fall back to their defaults instead of failing.

// The field's text; the empty string for NULL.
QString strFieldText(const QVariant& value);

// The field as a number: integers and reals as they are, texts that are numbers (surrounding blanks allowed)
// converted; nothing for NULL and every other text.
std::optional<double> optFieldNumber(const QVariant& value);

// The field as a whole number in [minimum, maximum], reals rounded half to even; nothing when the value is
// no number or out of range.
std::optional<std::int64_t> optFieldInteger(const QVariant& value, std::int64_t minimum,
                                            std::int64_t maximum);
