#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

#include "handover/OutgoingFileList.h"

// The files of a start go out as its command line; several travel in a block of the start's own, which the
// player reads before this object goes (a player that starts, before Main returns; a running one, before it
// answers the hand-over). Files that are not there are named on the terminal.
class StartFiles {
  public:
    // The arguments after the program's own name.
    explicit StartFiles(const QStringList& arguments);
    const QString& strCommandLine() const { return m_strCommandLine; }

  private:
    QString m_strCommandLine;
    OutgoingFileList m_block;
};

// The arguments after the program's own name, byte for byte: Qt's arguments() would put U+FFFD in place of
// a name's bytes that are not UTF-8.
QStringList argumentsOf(int argc, char* argv[]);

// Writes a text to the terminal as the bytes its paths came in as.
void printText(std::FILE* stream, const QString& text);
