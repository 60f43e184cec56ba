#include "OutgoingFileList.h"

#include <QCoreApplication>

#include "FileListCommand.h"
#include "MF.h"

OutgoingFileList::~OutgoingFileList() {
    if (!m_strBlockName.isEmpty()) MF::boolRemoveBlock(m_strBlockName);
}

bool OutgoingFileList::boolWrite(const QStringList& files, QString& strCommand, QString& strErrInfo) {
    m_strBlockName = QStringLiteral("KestruneHO_%1").arg(QCoreApplication::applicationPid());
    MF::boolRemoveBlock(m_strBlockName);  // left behind by a start that died with this process id
    qint32 lngFS = 0;
    if (!boolWriteOwnFileListBlock(m_strBlockName, files, lngFS, strErrInfo)) return false;
    strCommand = strFileListCommand(true, m_strBlockName, lngFS);
    return true;
}
