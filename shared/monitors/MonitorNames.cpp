#include "MonitorNames.h"

QString strMonitorName(std::int32_t index) {
    if (index < 1) return QString();
    if (index == 1) return QStringLiteral("主屏幕");
    return QStringLiteral("屏幕") + QString::number(index);
}

QStringList strMonitorMenuTexts(std::int32_t count) {
    if (count < 1) return {QStringLiteral("取消")};
    QStringList texts;
    for (std::int32_t i = 1; i <= count; ++i) texts.append(strMonitorName(i));
    return texts;
}
