#include "OutgoingFileList.h"

#include <unistd.h>

#include "FileListBlockWriter.h"

OutgoingFileList::~OutgoingFileList() {
    if (!m_strBlockName.empty()) filelist::boolRemoveBlock(m_strBlockName);
}

bool OutgoingFileList::boolWrite(const std::vector<std::u16string>& files, std::u16string& strCommand,
                                 std::u16string& strErrInfo) {
    const std::string pid = std::to_string(::getpid());
    m_strBlockName = u"KestruneHO_" + std::u16string(pid.begin(), pid.end());
    filelist::boolRemoveBlock(m_strBlockName);  // left behind by a start that died with this process id
    std::int32_t lngFS = 0;
    if (!filelist::boolWriteOwnFileListBlock(m_strBlockName, files, lngFS, strErrInfo)) return false;
    strCommand = filelist::strFileListCommand(true, m_strBlockName, lngFS);
    return true;
}
