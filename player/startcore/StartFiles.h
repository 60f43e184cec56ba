#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "OutgoingFileList.h"

// The files of a start go out as its command line; several travel in a block of the start's own, which the
// player reads before this object goes (a player that starts, before Main returns; a running one, before it
// answers the hand-over). Files that are not there are named on the terminal.
class StartFiles {
  public:
    // The arguments after the program's own name.
    explicit StartFiles(const std::vector<std::u16string>& arguments);
    const std::u16string& strCommandLine() const { return m_strCommandLine; }

  private:
    std::u16string m_strCommandLine;
    OutgoingFileList m_block;
};

namespace startcore {

// The arguments after the program's own name, byte for byte: bytes that are not UTF-8 keep their place as
// stand-ins (basecore/FileSystemNames.h) rather than becoming U+FFFD.
std::vector<std::u16string> argumentsOf(int argc, char* argv[]);

// Writes a text to the terminal as the bytes its paths came in as.
void printText(std::FILE* stream, std::u16string_view text);

}  // namespace startcore
