#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The name users see for a monitor at an index of cMonitors2: "主屏幕" for 1 (the primary), "屏幕" + the
// index from 2 on (屏幕2, 屏幕3, ...); empty below 1.
QString strMonitorName(std::int32_t index);

// The full-screen-to menu for that many monitors, in cMonitors2 order; only "取消" without monitors.
QStringList strMonitorMenuTexts(std::int32_t count);
