#pragma once

#include <gtest/gtest.h>

#include "support/ProcessesUnderTest.h"
#include "support/ProgramFolder.h"
#include "support/RuntimeFolder.h"

// A test of the player in a program folder of its own, with a runtime folder of its own for the instance
// lock and channel, and the players it starts, killed at the end if still running.
class ProgramFolderTest : public ::testing::Test {
  protected:
    QProcess* start(const QStringList& arguments) { return players.start(folder.program(), arguments); }
    static int waitForExit(QProcess* player) { return ProcessesUnderTest::waitForExit(player); }
    static int terminate(QProcess* player) { return ProcessesUnderTest::terminate(player); }
    bool waitForChannel() const { return runtime.waitForChannel(); }
    std::unique_ptr<ProgramFolder::Stored> readStored() const { return folder.readStored(); }

    RuntimeFolder runtime;
    ProgramFolder folder;
    ProcessesUnderTest players;
};
