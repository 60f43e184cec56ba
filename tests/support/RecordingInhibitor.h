#pragma once

#include <QStringList>

#include "platform/ScreenSaverInhibitor.h"

// A screen-saver inhibitor that touches nothing of the desktop and writes down what it was asked.
class RecordingInhibitor : public ScreenSaverInhibitor {
  public:
    QStringList calls;

    void holdOffScreenSaver() override { calls << QStringLiteral("screen saver off"); }
    void releaseScreenSaver() override { calls << QStringLiteral("screen saver back"); }
    void holdOffPowerSaving() override { calls << QStringLiteral("power saving off"); }
    void releasePowerSaving() override { calls << QStringLiteral("power saving back"); }
    bool screenSaverActive() const override { return true; }
    void setScreenSaverTimeout(int seconds) override { calls << QStringLiteral("delay %1").arg(seconds); }
};
