#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The settings carried between the controller and the settings dialog.
struct RunParameter {
    bool boolPopuMainFaceForErr = false;
    bool boolPlayNextOnErr = false;
    bool boolSavePlayList = true;
    bool boolScreenSaver = false;
    std::int32_t lngSSDelayMinute = 5;
    QString strScrSavProcName;
    QStringList colScrSavProcNames;
};
