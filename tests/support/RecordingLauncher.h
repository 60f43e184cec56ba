#pragma once

#include <QList>
#include <QString>

#include "platform/ProcessLauncher.h"

// A process launcher that starts nothing and writes down each program and its one argument.
class RecordingLauncher : public ProcessLauncher {
  public:
    struct Start {
        QString program;
        QString argument;
        bool operator==(const Start&) const = default;
    };
    QList<Start> starts;

    qint64 startDetached(const QString& program, const QString& argument) override {
        starts << Start{program, argument};
        return 0;
    }
};
