#pragma once

#include "ProcessLauncher.h"

// Starts a program with QProcess::startDetached: it outlives the player and is never its child.
class DetachedProcessLauncher : public ProcessLauncher {
  public:
    qint64 startDetached(const QString& program, const QString& argument) override;
};
