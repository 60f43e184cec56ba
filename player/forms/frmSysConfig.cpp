#include "frmSysConfig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "M1Windows.h"
#include "assoc/CheckUserFigure.h"
#include "assoc/FileAsocaList.h"
#include "base/ProgramPaths.h"
#include "control/Controler.h"
#include "platform/Twips.h"
#include "saverctl/frmScrSaverPramSet.h"

namespace {
constexpr int kDelayEntries = 1500;
constexpr int kDeferredCallMs = 1000;
constexpr int kKeyRole = Qt::UserRole;
const QColor kReadOnlyListColour(0xE0, 0xE0, 0xE0);
}  // namespace

frmSysConfig::frmSysConfig(Controler* controler, QWidget* owner, AdminCheck adminCheck)
    : QDialog(owner), strAssocProgramFolder(strProgramFolder()), m_controler(controler) {
    setWindowTitle(QStringLiteral("运行参数设置"));
    setCursor(Qt::WaitCursor);
    m_boolUserIsAdmin = adminCheck ? adminCheck() : CheckUserFigure::boolUserBlongToAdminsGroup();

    sstTab = new QTabWidget(this);
    sstTab->addTab(buildBasicTab(), QStringLiteral("基本参数"));
    sstTab->addTab(buildAssociationTab(), QStringLiteral("文件关联"));

    cmdHelp = new QPushButton(QStringLiteral("帮助"), this);
    cmdSave = new QPushButton(QStringLiteral("保存"), this);
    cmdCancel = new QPushButton(QStringLiteral("取消"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelp);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sstTab, 1);
    layout->addLayout(buttons);

    // The busy note stands over the whole dialog, outside the layout.
    picNote1 = new QFrame(this);
    picNote1->setFrameShape(QFrame::Box);
    picNote1->setAutoFillBackground(true);
    labNote1 = new QLabel(QStringLiteral("正在加载文件关联信息。。。"), picNote1);
    labNote1->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(picNote1))->addWidget(labNote1);
    picNote1->hide();

    for (QTimer* timer : {&timGetAssociaInfoFromReg, &timSaveAssociaInfoToRegAndDb}) {
        timer->setInterval(kDeferredCallMs);
        timer->setSingleShot(false);
    }
    connect(&timGetAssociaInfoFromReg, &QTimer::timeout, this, &frmSysConfig::timGetAssociaInfoFromReg_Timer);
    connect(&timSaveAssociaInfoToRegAndDb, &QTimer::timeout, this,
            &frmSysConfig::timSaveAssociaInfoToRegAndDb_Timer);
    connect(sstTab, &QTabWidget::currentChanged, this, &frmSysConfig::sstTab_Click);
    connect(chkOpenScrSav, &QCheckBox::clicked, this, &frmSysConfig::setScrSavControlsEnabled);
    connect(cmdPramSet, &QPushButton::clicked, this, &frmSysConfig::cmdPramSet_Click);
    connect(cmdPreviewSS, &QPushButton::clicked, this, &frmSysConfig::cmdPreviewSS_Click);
    connect(lvFileAssociationList, &QTreeWidget::itemChanged, this,
            &frmSysConfig::lvFileAssociationList_ItemCheck);
    connect(cmdAssociaAll, &QPushButton::clicked, this, [this] { setAllRowsChecked(true); });
    connect(cmdNoAssociaAll, &QPushButton::clicked, this, [this] { setAllRowsChecked(false); });
    connect(cmdAssociaDefault, &QPushButton::clicked, this, &frmSysConfig::fillAssociationList);
    connect(cmdHelp, &QPushButton::clicked, this, &frmSysConfig::cmdHelp_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSysConfig::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmSysConfig::~frmSysConfig() = default;

QWidget* frmSysConfig::buildBasicTab() {
    auto* page = new QWidget;
    auto* saver = new QGroupBox(QStringLiteral("屏幕保护设置"), page);
    chkOpenScrSav = new QCheckBox(QStringLiteral("播放时在空闲显示器上启动屏幕保护"), saver);
    cmbRunScrSavDelayMinute = new QComboBox(saver);
    cmbScrSavProcName = new QComboBox(saver);
    cmbScrSavProcName->setMinimumContentsLength(16);
    cmdPramSet = new QPushButton(QStringLiteral("参数设置"), saver);
    cmdPreviewSS = new QPushButton(QStringLiteral("预览"), saver);
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(new QLabel(QStringLiteral("延迟"), saver));
    delayRow->addWidget(cmbRunScrSavDelayMinute);
    delayRow->addWidget(new QLabel(QStringLiteral("分钟运行屏幕保护程序"), saver));
    delayRow->addStretch(1);
    auto* programRow = new QHBoxLayout;
    programRow->addWidget(cmbScrSavProcName, 1);
    programRow->addWidget(cmdPramSet);
    programRow->addWidget(cmdPreviewSS);
    auto* saverLayout = new QVBoxLayout(saver);
    saverLayout->addWidget(chkOpenScrSav);
    saverLayout->addLayout(delayRow);
    saverLayout->addLayout(programRow);

    auto* errors = new QGroupBox(QStringLiteral("播放错误设置"), page);
    chkOnPlayErrShowMainFace = new QCheckBox(QStringLiteral("播放错误发生时，立刻显示主控面板"), errors);
    chkOnPlayErrContinuePlay =
        new QCheckBox(QStringLiteral("播放错误发生时忽略错误，继续对播放列表中的下一个文件进行播放"), errors);
    auto* errorsLayout = new QVBoxLayout(errors);
    errorsLayout->addWidget(chkOnPlayErrShowMainFace);
    errorsLayout->addWidget(chkOnPlayErrContinuePlay);

    auto* list = new QGroupBox(QStringLiteral("播放列表保存设置"), page);
    chkSavePlayList = new QCheckBox(
        QStringLiteral("当关闭播放器时保存播放列表和当前播放进度,以便下次启动播放器后继续播放."), list);
    (new QVBoxLayout(list))->addWidget(chkSavePlayList);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(saver);
    layout->addWidget(errors);
    layout->addWidget(list);
    layout->addStretch(1);
    return page;
}

QWidget* frmSysConfig::buildAssociationTab() {
    auto* page = new QWidget;
    lvFileAssociationList = new QTreeWidget(page);
    lvFileAssociationList->setRootIsDecorated(false);
    lvFileAssociationList->setHeaderLabels(
        {QStringLiteral("文件类型"), QStringLiteral("扩展名"), QStringLiteral("说明")});
    lvFileAssociationList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    cmdAssociaAll = new QPushButton(QStringLiteral("全部关联"), page);
    cmdNoAssociaAll = new QPushButton(QStringLiteral("全部取消"), page);
    cmdAssociaDefault = new QPushButton(QStringLiteral("恢复"), page);
    labFigureNote = new QLabel(QStringLiteral("您当前不具有管理员组身份,所以不能设置文件关联!"), page);
    labFigureNote->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAssociaAll);
    buttons->addWidget(cmdNoAssociaAll);
    buttons->addWidget(cmdAssociaDefault);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lvFileAssociationList, 1);
    layout->addLayout(buttons);
    layout->addWidget(labFigureNote);
    return page;
}

// The first display: the player's icon, the basic tab, and the pointer back to normal.
void frmSysConfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_boolFirstResize) return;
    m_boolFirstResize = false;
    setWindowIcon(QApplication::windowIcon());
    sstTab->setCurrentIndex(0);
    unsetCursor();
}

void frmSysConfig::reject() {
    if (!picNote1->isVisible()) QDialog::reject();
}

void frmSysConfig::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize note(width() * 2 / 3, height() / 5);
    picNote1->setGeometry(QRect(QPoint((width() - note.width()) / 2, (height() - note.height()) / 2), note));
}

void frmSysConfig::setFaceItemByData() {
    if (!objRunParameter) return;
    const RunParameter& record = *objRunParameter;
    chkOnPlayErrShowMainFace->setChecked(record.boolPopuMainFaceForErr);
    chkOnPlayErrContinuePlay->setChecked(record.boolPlayNextOnErr);
    chkSavePlayList->setChecked(record.boolSavePlayList);
    chkOpenScrSav->setChecked(record.boolScreenSaver);

    cmbRunScrSavDelayMinute->clear();
    for (int i = 0; i < kDelayEntries; ++i) cmbRunScrSavDelayMinute->addItem(QString::number(i + 1), i + 1);
    // A stored delay with no entry of its own (0, negative, or beyond the list) shows the first.
    const std::int32_t delay = record.lngSSDelayMinute;
    cmbRunScrSavDelayMinute->setCurrentIndex(delay >= 1 && delay <= kDelayEntries ? delay - 1 : 0);

    cmbScrSavProcName->clear();
    if (!record.colScrSavProcNames.isEmpty()) {
        cmbScrSavProcName->addItems(record.colScrSavProcNames);
        int chosen = 0;
        const QString wanted = record.strScrSavProcName.toUpper();
        for (int i = 0; i < record.colScrSavProcNames.size(); ++i) {
            if (record.colScrSavProcNames.at(i).toUpper() == wanted) chosen = i;
        }
        cmbScrSavProcName->setCurrentIndex(chosen);
    }
    setScrSavControlsEnabled();
}

void frmSysConfig::setScrSavControlsEnabled() {
    const bool on = chkOpenScrSav->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{cmbRunScrSavDelayMinute, cmbScrSavProcName,
                                                            cmdPramSet, cmdPreviewSS}) {
        control->setEnabled(on);
    }
}

void frmSysConfig::sstTab_Click(int index) {
    if (index != 1 || m_boolAssociaTabLoaded) return;
    getAssociaInfoFromReg();
    m_boolAssociaTabLoaded = true;
}

void frmSysConfig::setBusy(const QString& note) {
    for (QPushButton* button : {cmdSave, cmdCancel, cmdAssociaAll, cmdNoAssociaAll, cmdAssociaDefault}) {
        button->setEnabled(false);
    }
    labNote1->setText(note);
    picNote1->raise();
    picNote1->show();
}

void frmSysConfig::getAssociaInfoFromReg() {
    setBusy(labNote1->text());
    timGetAssociaInfoFromReg.start();
}

void frmSysConfig::timGetAssociaInfoFromReg_Timer() {
    timGetAssociaInfoFromReg.stop();
    setCursor(Qt::WaitCursor);
    m_objFileAsocaList = std::make_unique<FileAsocaList>(true);
    m_objFileAsocaList->setPathsFromProgramFolder(strAssocProgramFolder);
    m_objFileAsocaList->getConfigInfoFromDB();
    m_objFileAsocaList->getBaseAssocListFromDB();
    m_objFileAsocaList->getInfoFromRegistry();
    fillAssociationList();

    cmdSave->setEnabled(true);
    cmdCancel->setEnabled(true);
    if (!m_boolUserIsAdmin) {
        QPalette greyed = lvFileAssociationList->palette();
        greyed.setColor(QPalette::Base, kReadOnlyListColour);
        lvFileAssociationList->setPalette(greyed);
        labFigureNote->show();
    } else {
        cmdAssociaAll->setEnabled(true);
        cmdNoAssociaAll->setEnabled(true);
        cmdAssociaDefault->setEnabled(true);
    }
    picNote1->hide();
    unsetCursor();
}

// One row per record, keyed by its extension, checked as the desktop had it when the tab was read.
void frmSysConfig::fillAssociationList() {
    m_boolFillingList = true;
    lvFileAssociationList->clear();
    const long count = m_objFileAsocaList ? m_objFileAsocaList->lngGetListCount() : 0;
    for (long i = 1; i <= count; ++i) {
        const FileAsoca* record = m_objFileAsocaList->objGetAFileAsocaObjByIndex(i);
        auto* row = new QTreeWidgetItem(
            lvFileAssociationList,
            {record->strAppAsocaKeyName(), record->strAppAsocaKeyName(), record->strDescriptionInfo()});
        row->setData(0, kKeyRole, record->strAppAsocaKeyName());
        row->setCheckState(0, record->boolAssociate() ? Qt::Checked : Qt::Unchecked);
    }
    m_boolFillingList = false;
}

void frmSysConfig::setAllRowsChecked(bool checked) {
    for (int i = 0; i < lvFileAssociationList->topLevelItemCount(); ++i) {
        lvFileAssociationList->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    }
}

// A user who is no administrator sees the associations but cannot change them: a click is set back.
void frmSysConfig::lvFileAssociationList_ItemCheck(QTreeWidgetItem* item, int column) {
    if (m_boolFillingList || m_boolUserIsAdmin || column != 0) return;
    const bool wasChecked = item->checkState(0) != Qt::Checked;
    const QSignalBlocker blocker(lvFileAssociationList);
    item->setCheckState(0, wasChecked ? Qt::Checked : Qt::Unchecked);
}

void frmSysConfig::cmdPramSet_Click() {
    const QString name = cmbScrSavProcName->currentText().trimmed();
    if (name.isEmpty()) return;
    frmScrSaverPramSet pramSet(
        [this](const QString& strName, std::int32_t x, std::int32_t y, const QString& caption, qint64& pid) {
            pid = 0;
            return m_controler ? m_controler->showAScrSavPrcPramConfigFace(strName, x, y, caption, pid)
                               : QString();
        },
        this);
    pramSet.strScrSavPrcName = name;
    const QRect frame = frameGeometry();
    pramSet.lngCenterX =
        static_cast<std::int32_t>(dblTwipsFromPixels(frame.left() + frame.width() / 2, twipsPerPixelX()));
    pramSet.lngCenterY =
        static_cast<std::int32_t>(dblTwipsFromPixels(frame.top() + frame.height() / 2, twipsPerPixelY()));
    pramSet.exec();
}

void frmSysConfig::cmdPreviewSS_Click() {
    const QString name = cmbScrSavProcName->currentText().trimmed();
    if (!name.isEmpty() && m_controler) m_controler->previewAScrSavProcByName(name);
}

// The manual's section on the tab in front.
void frmSysConfig::cmdHelp_Click() {
    const int tab = sstTab->currentIndex();
    if (tab != 0 && tab != 1) return;
    QUrl page = QUrl::fromLocalFile(strProgramFolder() + QStringLiteral("/Help/FunctionIntroduce.htm"));
    page.setFragment(tab == 0 ? QStringLiteral("Item3") : QStringLiteral("Item10"));
    openPageInBrowser(this, page.toString(QUrl::FullyEncoded));
}

void frmSysConfig::cmdSave_Click() {
    if (objRunParameter) {
        RunParameter& record = *objRunParameter;
        record.boolPopuMainFaceForErr = chkOnPlayErrShowMainFace->isChecked();
        record.boolPlayNextOnErr = chkOnPlayErrContinuePlay->isChecked();
        record.boolSavePlayList = chkSavePlayList->isChecked();
        record.boolScreenSaver = chkOpenScrSav->isChecked();
        record.lngSSDelayMinute = cmbRunScrSavDelayMinute->count() == 0
                                      ? SysConfig::kDefaultSSDelayMinute
                                      : cmbRunScrSavDelayMinute->currentIndex() + 1;
        record.strScrSavProcName =
            record.colScrSavProcNames.isEmpty() ? QStringLiteral(" ") : cmbScrSavProcName->currentText();
        if (m_controler) m_controler->saveRunPram(record);
    }
    if (!m_boolAssociaTabLoaded || !m_boolUserIsAdmin) {
        accept();
        return;
    }
    setBusy(QStringLiteral("正在保存数据。。。"));
    timSaveAssociaInfoToRegAndDb.start();
}

// Each record takes the check of its row; a record whose row is gone keeps its association.
void frmSysConfig::timSaveAssociaInfoToRegAndDb_Timer() {
    setCursor(Qt::WaitCursor);
    timSaveAssociaInfoToRegAndDb.stop();
    const long count = m_objFileAsocaList ? m_objFileAsocaList->lngGetListCount() : 0;
    for (long i = 1; i <= count; ++i) {
        FileAsoca* record = m_objFileAsocaList->objGetAFileAsocaObjByIndex(i);
        const QString key = record->strAppAsocaKeyName();
        for (int r = 0; r < lvFileAssociationList->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* row = lvFileAssociationList->topLevelItem(r);
            if (row->data(0, kKeyRole).toString() != key) continue;
            record->setAssociationState(row->checkState(0) == Qt::Checked);
            record->saveOldAppIdKeyNameToDB();
            break;
        }
    }
    for (QPushButton* button : {cmdSave, cmdCancel, cmdAssociaAll, cmdNoAssociaAll, cmdAssociaDefault}) {
        button->setEnabled(true);
    }
    picNote1->hide();
    unsetCursor();
    accept();
}
