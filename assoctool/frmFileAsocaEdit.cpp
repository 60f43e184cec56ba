#include "frmFileAsocaEdit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "assoc/FileAsocaList.h"
#include "assoc/SetRegPrivilege.h"
#include "platform/Twips.h"

namespace {
constexpr int kKeyRole = Qt::UserRole;

int pixelsFromTwips(double twips) {
    return static_cast<int>(lngPixelsFromTwips(twips, twipsPerPixelX()));
}
}  // namespace

frmFileAsocaEdit::frmFileAsocaEdit(QString strProgramFolder, QWidget* parent)
    : QWidget(parent), m_strProgramFolder(std::move(strProgramFolder)) {
    setWindowTitle(QStringLiteral("文件关联设置"));
    lvFA = new QTreeWidget(this);
    lvFA->setObjectName(QStringLiteral("lvFA"));
    lvFA->setRootIsDecorated(false);
    lvFA->setUniformRowHeights(true);
    lvFA->setColumnCount(0);
    lvFA->header()->setStretchLastSection(false);
    // The check-box column is narrower than the style's smallest section.
    lvFA->header()->setMinimumSectionSize(1);
    lvFA->setMouseTracking(true);
    lvFA->viewport()->setMouseTracking(true);
    lvFA->installEventFilter(this);
    lvFA->viewport()->installEventFilter(this);

    cmdSelectAll = new QPushButton(QStringLiteral("全部选中"), this);
    cmdUnselectAll = new QPushButton(QStringLiteral("全部取消"), this);
    cmdSetBySysValue = new QPushButton(QStringLiteral("恢复初值"), this);
    cmdNext = new QPushButton(QStringLiteral("下一步"), this);
    connect(cmdSelectAll, &QPushButton::clicked, this, &frmFileAsocaEdit::cmdSelectAll_Click);
    connect(cmdUnselectAll, &QPushButton::clicked, this, &frmFileAsocaEdit::cmdUnselectAll_Click);
    connect(cmdSetBySysValue, &QPushButton::clicked, this, &frmFileAsocaEdit::cmdSetBySysValue_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmFileAsocaEdit::cmdNext_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSelectAll);
    buttons->addWidget(cmdUnselectAll);
    buttons->addWidget(cmdSetBySysValue);
    buttons->addStretch(1);
    buttons->addWidget(cmdNext);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvFA, 1);
    layout->addLayout(buttons);

    // The note lies over the list, outside the layout, while the types load or save.
    picNote1 = new QFrame(this);
    picNote1->setFrameShape(QFrame::Panel);
    picNote1->setFrameShadow(QFrame::Raised);
    picNote1->setAutoFillBackground(true);
    labNote1 = new QLabel(QStringLiteral("正在加载文件关联信息。。。"), picNote1);
    labNote1->setAlignment(Qt::AlignCenter);
    auto* noteLayout = new QVBoxLayout(picNote1);
    noteLayout->addWidget(labNote1);

    resize(pixelsFromTwips(7200), pixelsFromTwips(6000));
}

frmFileAsocaEdit::~frmFileAsocaEdit() = default;

void frmFileAsocaEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_boolColumnsMade) makeColumns();
    placeNote();
}

// Made on the first resize, when the list has its width: "说明" is as wide as the list itself.
void frmFileAsocaEdit::makeColumns() {
    m_boolColumnsMade = true;
    lvFA->setColumnCount(3);
    lvFA->setHeaderLabels({QString(), QStringLiteral("文件后缀名"), QStringLiteral("说明")});
    lvFA->setColumnWidth(0, pixelsFromTwips(kCheckColumnTwips));
    lvFA->setColumnWidth(1, pixelsFromTwips(kExtensionColumnTwips));
    lvFA->setColumnWidth(2, lvFA->width());
}

void frmFileAsocaEdit::placeNote() {
    const QSize size = picNote1->sizeHint().expandedTo(QSize(lvFA->width() * 2 / 3, 0));
    const QRect list = lvFA->geometry();
    picNote1->setGeometry(QRect(list.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

bool frmFileAsocaEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && (watched == lvFA || watched == lvFA->viewport()))
        lvFA_MouseMove();
    return QWidget::eventFilter(watched, event);
}

// The check-box column keeps its width: a drift of more than 2 twips either way is put back.
void frmFileAsocaEdit::lvFA_MouseMove() {
    if (!m_boolColumnsMade) return;
    const double twips = dblTwipsFromPixels(lvFA->columnWidth(0), twipsPerPixelX());
    if (twips > kCheckColumnTwips + 2 || twips < kCheckColumnTwips - 2)
        lvFA->setColumnWidth(0, pixelsFromTwips(kCheckColumnTwips));
}

void frmFileAsocaEdit::setButtonsEnabled(bool boolEnabled) {
    for (QPushButton* button : {cmdSelectAll, cmdUnselectAll, cmdSetBySysValue, cmdNext})
        button->setEnabled(boolEnabled);
}

void frmFileAsocaEdit::showNote() {
    placeNote();
    picNote1->show();
    picNote1->raise();
}

void frmFileAsocaEdit::intilReg() {
    setButtonsEnabled(false);
    showNote();
    QCoreApplication::processEvents();

    m_objFileAsocaList = std::make_unique<FileAsocaList>(true);
    m_objFileAsocaList->setPathsFromProgramFolder(m_strProgramFolder);
    m_objFileAsocaList->getConfigInfoFromDB();
    m_objFileAsocaList->getBaseAssocListFromDB();
    m_objFileAsocaList->InitializeRegistry();
    fillList();

    setButtonsEnabled(true);
    picNote1->hide();
    cmdNext->setFocus();
}

void frmFileAsocaEdit::fillList() {
    lvFA->clear();
    if (!m_objFileAsocaList) return;
    for (long i = 1; i <= m_objFileAsocaList->lngGetListCount(); ++i) {
        const FileAsoca* record = m_objFileAsocaList->objGetAFileAsocaObjByIndex(i);
        auto* row = new QTreeWidgetItem(lvFA);
        row->setData(0, kKeyRole, record->strAppAsocaKeyName());
        row->setText(0, record->strAppAsocaKeyName());
        row->setText(1, record->strAppAsocaKeyName());
        row->setText(2, record->strDescriptionInfo());
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(0, record->boolAssociate() ? Qt::Checked : Qt::Unchecked);
    }
}

QTreeWidgetItem* frmFileAsocaEdit::rowByKey(const QString& strKey) const {
    for (int i = 0; i < lvFA->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = lvFA->topLevelItem(i);
        if (row->data(0, kKeyRole).toString() == strKey) return row;
    }
    return nullptr;
}

void frmFileAsocaEdit::cmdSelectAll_Click() {
    for (int i = 0; i < lvFA->topLevelItemCount(); ++i) lvFA->topLevelItem(i)->setCheckState(0, Qt::Checked);
}

void frmFileAsocaEdit::cmdUnselectAll_Click() {
    for (int i = 0; i < lvFA->topLevelItemCount(); ++i)
        lvFA->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
}

// The states the records held after loading, or after the last save.
void frmFileAsocaEdit::cmdSetBySysValue_Click() {
    fillList();
}

void frmFileAsocaEdit::save() {
    setButtonsEnabled(false);
    labNote1->setText(QStringLiteral("正在保存文件关联信息。。。"));
    showNote();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();

    const long count = m_objFileAsocaList ? m_objFileAsocaList->lngGetListCount() : 0;
    for (long i = 1; i <= count; ++i) {
        FileAsoca* record = m_objFileAsocaList->objGetAFileAsocaObjByIndex(i);
        const QTreeWidgetItem* row = rowByKey(record->strAppAsocaKeyName());
        if (!row) continue;
        record->setAssociationState(row->checkState(0) == Qt::Checked);
        record->saveOldAppIdKeyNameToDB();
    }

    setButtonsEnabled(true);
    picNote1->hide();
    QApplication::restoreOverrideCursor();
}

void frmFileAsocaEdit::cmdNext_Click() {
    save();
    close();
    QString strErrInfo;
    SetRegPrivilege().boolUnEnablePrivilege(strErrInfo);
    emit ProgramEnds();
}
