#include "InstanceChannel.h"

#include "base/CoreText.h"

namespace instancechannel {

QString strRuntimeFolder(QString* strErrInfo) {
    std::u16string error;
    const std::u16string folder = handover::strRuntimeFolder(&error);
    if (folder.empty() && strErrInfo) *strErrInfo = qtText(error);
    return qtText(folder);
}

QString strLockFilePath() {
    return qtText(handover::strLockFilePathIn(handover::strRuntimeFolder()));
}

QString strServerPath() {
    return qtText(handover::strServerPathIn(handover::strRuntimeFolder()));
}

void handOverToRunningPlayer(const QString& strCommandLine) {
    handover::handOverToRunningPlayer(coreText(strCommandLine));
}

}  // namespace instancechannel
