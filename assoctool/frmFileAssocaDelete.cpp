#include "frmFileAssocaDelete.h"

#include <QVBoxLayout>

#include "assoc/FileAsocaList.h"
#include "assoc/SetRegPrivilege.h"

frmFileAssocaDelete::frmFileAssocaDelete(QString strProgramFolder, QWidget* parent)
    : QWidget(parent), m_strProgramFolder(std::move(strProgramFolder)) {
    Label1 = new QLabel(QStringLiteral("正在删除文件关联信息。。。"), this);
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    resize(320, 90);

    timDelayRun.setInterval(1000);
    connect(&timDelayRun, &QTimer::timeout, this, &frmFileAssocaDelete::timDelayRun_Timer);
    timDelayRun.start();
}

void frmFileAssocaDelete::timDelayRun_Timer() {
    timDelayRun.stop();
    FileAsocaList objList(true);
    objList.setPathsFromProgramFolder(m_strProgramFolder);
    objList.getConfigInfoFromDB();
    objList.getBaseAssocListFromDB();
    objList.deleteAllFileAssocItemFromReg();

    close();
    QString strErrInfo;
    SetRegPrivilege().boolUnEnablePrivilege(strErrInfo);
    emit ProgramEnds();
}
