#pragma once

#include <QString>

#include "startcore/HandOver.h"
#include "startcore/InstanceLock.h"

// Only one player runs per user (startcore/HandOver.h): the channel's folder, files and hand-over in Qt's
// terms, for the player and its tests. The previous-instance test is startcore's InstanceLock, which the
// program's start takes before the player library is loaded.
namespace instancechannel {

using handover::kConnectTimeoutMs;
using handover::kInstanceCaption;
using handover::kSendTimeoutMs;

// The folder of the lock and the socket, which must be the user's alone: XDG_RUNTIME_DIR when it is a
// folder (not a link) that the user owns with mode 0700, else "kestrune-<uid>" in the temporary folder, made
// with mode 0700 when missing. Empty, with the reason in strErrInfo, when that folder is there and is not
// such a folder: the channel's files never go where another user could have put something first.
QString strRuntimeFolder(QString* strErrInfo = nullptr);
// Both empty without a runtime folder.
QString strLockFilePath();
QString strServerPath();

// What a later start does (handover::handOverToRunningPlayer): for a player that finds, once it is set up,
// that another one took the lock first.
void handOverToRunningPlayer(const QString& strCommandLine);

}  // namespace instancechannel
