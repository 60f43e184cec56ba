#pragma once

#include <QString>
#include <cstdint>

// The file-name part of a path: the text after the last "\" or, when there is none, after the last "/".
// Empty for an empty path, a path without either separator and a path that ends with its separator.
QString strFileNameOfPath(const QString& path);

// Whole seconds as hours, minutes and seconds of at least two digits joined by ":" (3725 -> "01:02:05",
// 360000 -> "100:00:00"). Negative values show as "00:00:00".
QString strGetTimStringBySecValue(std::int64_t seconds);
