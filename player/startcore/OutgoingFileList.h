#pragma once

#include <string>
#include <vector>

// Files that a starting process hands to the player in a file-list block of its own, named after the
// process: the command line that names the block, and the block itself until this object goes (by then
// the player has read it: a player that starts reads it before Main returns, a running one before it
// answers the hand-over).
class OutgoingFileList {
  public:
    OutgoingFileList() = default;
    ~OutgoingFileList();
    OutgoingFileList(const OutgoingFileList&) = delete;
    OutgoingFileList& operator=(const OutgoingFileList&) = delete;

    // Writes the block, which carries every path whole, whatever it holds; the command adds the files and
    // plays the first. False, with the reason, when the block cannot be made.
    bool boolWrite(const std::vector<std::u16string>& files, std::u16string& strCommand,
                   std::u16string& strErrInfo);

  private:
    std::u16string m_strBlockName;
};
