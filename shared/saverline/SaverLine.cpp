#include "SaverLine.h"

#include <QStringList>

namespace saverline {
QString runLine(const QRect& playArea, bool boolFullScreen, const QString& strCaption) {
    return QStringList{kRun,
                       QString::number(playArea.x()),
                       QString::number(playArea.y()),
                       QString::number(playArea.width()),
                       QString::number(playArea.height()),
                       boolFullScreen ? QStringLiteral("1") : QStringLiteral("0"),
                       strCaption}
        .join(kSeparator);
}

QString previewLine() {
    return runLine(QRect(0, 0, 0, 0), false, QStringLiteral(" "));
}

QString configFaceLine(int lngCenterX, int lngCenterY, const QString& strCaption) {
    return QStringList{kShowConfigFace, QString::number(lngCenterX), QString::number(lngCenterY), strCaption}
        .join(kSeparator);
}

bool boolParseCommandLine(const QString& text, ParsedLine& line) {
    line = ParsedLine{};
    if (text.isEmpty()) return false;
    const QStringList parts = text.split(kSeparator);
    qsizetype fieldCount = 0;
    if (parts.first() == kRun && parts.size() > 6) {
        fieldCount = 6;
    } else if (parts.first() == kShowConfigFace && parts.size() > 3) {
        fieldCount = 3;
    } else {
        return false;
    }
    line.strMode = parts.first();
    for (qsizetype i = 0; i < fieldCount; ++i) line.astrFields[static_cast<std::size_t>(i)] = parts[i + 1];
    return true;
}
}  // namespace saverline
