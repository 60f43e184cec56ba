// The start line a saver is handed, as UTF-8 text: an accepted line names one of the two modes and takes
// its fields from the text, and the line the player builds from them reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QStringList>

#include "saverline/SaverLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    saverline::ParsedLine line;
    if (!saverline::boolParseCommandLine(text, line)) return 0;
    if (line.strMode != saverline::kRun && line.strMode != saverline::kShowConfigFace) std::abort();
    if (!text.startsWith(line.strMode + saverline::kSeparator)) std::abort();
    for (const QString& field : line.astrFields) {
        if (field.contains(saverline::kSeparator) || !text.contains(field)) std::abort();
    }
    if (line.strMode == saverline::kShowConfigFace && !line.astrFields[3].isEmpty()) std::abort();

    saverline::ParsedLine again;
    const QString rebuilt =
        line.strMode == saverline::kRun
            ? QStringList{line.strMode,       line.astrFields[0], line.astrFields[1], line.astrFields[2],
                          line.astrFields[3], line.astrFields[4], line.astrFields[5]}
                  .join(saverline::kSeparator)
            : saverline::configFaceLine(0, 0, line.astrFields[2]);
    if (!saverline::boolParseCommandLine(rebuilt, again) || again.strMode != line.strMode ||
        again.astrFields[5] != line.astrFields[5] || again.astrFields[2] != line.astrFields[2])
        std::abort();
    return 0;
}
