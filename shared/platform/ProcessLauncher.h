#pragma once

#include <QString>

// Starts other programs of the system (the saver programs) detached from the player: the program path and
// its one argument go to the program as they are, never through a shell. The desktop's own launcher in the
// programs; a recording stand-in in tests.
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;

    // Answers the id of the started process; 0 when it could not be started.
    virtual qint64 startDetached(const QString& program, const QString& argument) = 0;
};
