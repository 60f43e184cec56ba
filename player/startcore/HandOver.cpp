#include "HandOver.h"

#include <cstdio>

#include "InstanceRecord.h"
#include "InstanceSender.h"
#include "OutgoingFileList.h"
#include "basecore/FileSystemNames.h"
#include "basecore/RuntimeFolder.h"

namespace {
std::u16string strInFolder(std::u16string_view folder, std::string_view suffix) {
    if (folder.empty()) return {};
    std::u16string path(folder);
    path += u'/';
    for (const char* c = handover::kInstanceCaption; *c; ++c) path += static_cast<char16_t>(*c);
    path.append(suffix.begin(), suffix.end());
    return path;
}
}  // namespace

namespace handover {

std::u16string strRuntimeFolder(std::u16string* strErrInfo) {
    std::u16string rejected;
    std::u16string folder = basecore::strPrivateRuntimeFolder(&rejected);
    if (folder.empty() && strErrInfo) {
        *strErrInfo = rejected +
                      u" is not a private folder of this user (it must be a folder, not a link, owned by the "
                      u"user with mode 0700): later starts cannot hand their files to this player";
    }
    return folder;
}

std::u16string strLockFilePathIn(std::u16string_view folder) {
    return strInFolder(folder, ".lock");
}

std::u16string strServerPathIn(std::u16string_view folder) {
    return strInFolder(folder, ".socket");
}

void handOverToRunningPlayer(std::u16string_view strCommandLine) {
    InstanceSender sender(strServerPathIn(strRuntimeFolder()), kConnectTimeoutMs);
    if (!sender.boolConnected()) return;
    sender.boolSend(u"-SMF", kSendTimeoutMs);
    if (strCommandLine.empty()) return;
    if (strCommandLine.size() <= static_cast<std::size_t>(instancerecord::kMaxChars)) {
        sender.boolSend(strCommandLine, kSendTimeoutMs);
        return;
    }
    // Too long for one record: the path travels whole, whatever it holds, as a one-file list block of this
    // start's own, which the player reads while this start waits for its answer.
    OutgoingFileList block;
    std::u16string command, error;
    if (block.boolWrite({std::u16string(strCommandLine)}, command, error)) {
        sender.boolSend(command, kSendTimeoutMs);
    } else {
        std::fprintf(stderr, "kestrune.handover: the command line could not be handed over: %s\n",
                     basecore::bytesForFileSystem(error).c_str());
    }
}

}  // namespace handover
