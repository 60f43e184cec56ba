#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "SysConfig.h"

// The settings carried between the controller and the settings dialog.
struct RunParameter {
    bool boolPopuMainFaceForErr = SysConfig::kDefaultPopuMainFaceForErr;
    bool boolPlayNextOnErr = SysConfig::kDefaultPlayNextOnErr;
    bool boolSavePlayList = SysConfig::kDefaultSavePlayList;
    bool boolScreenSaver = SysConfig::kDefaultScreenSaver;
    std::int32_t lngSSDelayMinute = SysConfig::kDefaultSSDelayMinute;
    QString strScrSavProcName;
    QStringList colScrSavProcNames;
};
