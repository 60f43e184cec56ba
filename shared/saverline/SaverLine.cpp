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
}  // namespace saverline
