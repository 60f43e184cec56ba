// Building the control panel: its controls, columns, drop-down entries, menus and timers, and the wiring
// of the controls to their handlers.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ControlTag.h"
#include "FormUnits.h"
#include "PlayListRows.h"
#include "basecore/Product.h"
#include "frmMain.h"

namespace {
constexpr double kPanelWidthTwips = 10500;
constexpr double kPanelHeightTwips = 7800;
constexpr double kBorderGapTwips = 15;
constexpr int kBottomBorderHeight = 4;

QLabel* fixedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return label;
}

// "<before> N <after>": a count between its two fixed texts, added to a row; answers the count's label.
QLabel* addCountRow(QHBoxLayout* row, const QString& before, const QString& after, QWidget* parent) {
    QLabel* count = fixedLabel(QStringLiteral("0"), parent);
    row->addWidget(fixedLabel(before, parent));
    row->addWidget(count);
    row->addWidget(fixedLabel(after, parent));
    return count;
}

void setUpTimer(QTimer& timer, int intervalMs, bool singleShot) {
    timer.setInterval(intervalMs);
    timer.setSingleShot(singleShot);
}

// Both lists: flat rows of one height, selected whole, one at a time, never edited in place.
template <class View>
View* newListView(QWidget* parent) {
    auto* view = new View(parent);
    view->setRootIsDecorated(false);
    view->setIndentation(0);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    return view;
}
}  // namespace

void frmMain::buildControls() {
    setWindowTitle(QStringLiteral("控制面板--") + QLatin1String(kProductName));
    setWindowIcon(QApplication::windowIcon());
    setAcceptDrops(true);
    resize(pixelsX(kPanelWidthTwips), pixelsY(kPanelHeightTwips));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, pixelsY(kBorderGapTwips) + kBottomBorderHeight + 1);
    buildMenus();
    layout->setMenuBar(mnuBar);
    layout->addWidget(buildTransportArea());

    linListTop = new QFrame(this);
    linListTop->setFrameShape(QFrame::HLine);
    linListTop->setFrameShadow(QFrame::Sunken);
    layout->addWidget(linListTop);

    tsLists = new QTabWidget(this);
    tsLists->addTab(buildPlayListPanel(), QStringLiteral("播放列表"));
    tsLists->addTab(buildPlayErrLogPanel(), QStringLiteral("错误日志"));
    picPlayErrNote = new QFrame(tsLists);
    auto* noteLayout = new QHBoxLayout(picPlayErrNote);
    noteLayout->setContentsMargins(4, 0, 4, 0);
    labPlayErrNote = new QLabel(QStringLiteral("请查看播放错误日志"), picPlayErrNote);
    labPlayErrNote->setStyleSheet(QStringLiteral("color: red;"));
    noteLayout->addWidget(labPlayErrNote);
    tsLists->setCornerWidget(picPlayErrNote, Qt::TopRightCorner);
    picPlayErrNote->hide();
    layout->addWidget(tsLists, 1);

    picBottomBorder = new QFrame(this);
    picBottomBorder->setFrameShape(QFrame::HLine);
    picBottomBorder->setFrameShadow(QFrame::Raised);
    picBottomBorder->setCursor(Qt::SizeVerCursor);
    picBottomBorder->setFixedHeight(kBottomBorderHeight);

    createListColumns();
    initPlayRulerCombo();
}

QWidget* frmMain::buildTransportArea() {
    auto* area = new QWidget(this);
    auto* rows = new QVBoxLayout(area);
    rows->setContentsMargins(0, 4, 0, 0);

    auto* stateRow = new QHBoxLayout;
    labPlayState1 = fixedLabel(QStringLiteral("停止: "), area);
    txtFileName = new QLineEdit(area);
    txtFileName->setReadOnly(true);
    cmdHideShowPL = new QPushButton(QStringLiteral("隐藏/显示播放列表"), area);
    stateRow->addWidget(labPlayState1);
    stateRow->addWidget(txtFileName, 1);
    stateRow->addWidget(cmdHideShowPL);
    rows->addLayout(stateRow);

    auto* progressRow = new QHBoxLayout;
    sldJinDu = new QSlider(Qt::Horizontal, area);
    sldJinDu->setRange(0, 0);
    labMoviePosi = fixedLabel(QStringLiteral("00:00:00"), area);
    labMovieLen = fixedLabel(QStringLiteral("00:00:00"), area);
    labSlidMax = fixedLabel(QString(), area);
    progressRow->addWidget(sldJinDu, 1);
    progressRow->addWidget(labMoviePosi);
    progressRow->addWidget(fixedLabel(QStringLiteral("/"), area));
    progressRow->addWidget(labMovieLen);
    progressRow->addWidget(labSlidMax);
    rows->addLayout(progressRow);

    auto* buttonRow = new QHBoxLayout;
    cmdPlay = new QPushButton(QStringLiteral("播放"), area);
    cmdStop = new QPushButton(area);
    cmdStop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    cmdUp = new QPushButton(QStringLiteral("上一个"), area);
    cmdDown = new QPushButton(QStringLiteral("下一个"), area);
    cmdRecyclePlayPL = new QPushButton(area);
    comboPlayRuler = new QComboBox(area);
    comboPlayRuler->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmdSetScreen = new QPushButton(QStringLiteral("全屏到>"), area);
    setTag(cmdSetScreen, QStringLiteral("1"));
    picFangYinImage = style()->standardIcon(QStyle::SP_MediaVolume).pixmap(20, 20);
    picJingYinImage = style()->standardIcon(QStyle::SP_MediaVolumeMuted).pixmap(20, 20);
    picJingFangYin = new QLabel(area);
    picJingFangYin->setPixmap(picFangYinImage);
    picJingFangYin->setToolTip(QStringLiteral("放/静音"));
    picJingFangYin->setAlignment(Qt::AlignCenter);
    picJingFangYin->setFixedSize(26, 26);
    setTag(picJingFangYin, QStringLiteral("0"));
    sldVolume = new QSlider(Qt::Horizontal, area);
    sldVolume->setRange(0, 100);
    sldVolume->setValue(30);
    sldVolume->setFixedWidth(pixelsX(1500));
    for (QWidget* control : std::initializer_list<QWidget*>{cmdPlay, cmdStop, cmdUp, cmdDown,
                                                            cmdRecyclePlayPL, comboPlayRuler, cmdSetScreen}) {
        buttonRow->addWidget(control);
    }
    buttonRow->addStretch(1);
    buttonRow->addWidget(picJingFangYin);
    buttonRow->addWidget(sldVolume);
    rows->addLayout(buttonRow);
    return area;
}

QWidget* frmMain::buildPlayListPanel() {
    picPlayListBackGround = new QWidget(this);
    auto* layout = new QVBoxLayout(picPlayListBackGround);
    m_playListRows = new PlayListRows(this);
    lvPlayList = newListView<QTreeView>(picPlayListBackGround);
    lvPlayList->setModel(m_playListRows);
    layout->addWidget(lvPlayList, 1);

    auto* row = new QHBoxLayout;
    labFileCount =
        addCountRow(row, QStringLiteral("播放列表：共"), QStringLiteral("个文件"), picPlayListBackGround);
    chkToDeleteAll = new QCheckBox(picPlayListBackGround);
    setTag(chkToDeleteAll, QStringLiteral("0"));
    row->addWidget(chkToDeleteAll);
    labDeleteNote = new QLabel(QStringLiteral("提示：请在要删除的条目前打钩"), picPlayListBackGround);
    labDeleteNote->setStyleSheet(QStringLiteral("color: red;"));
    labDeleteNote->hide();
    row->addWidget(labDeleteNote);
    row->addStretch(1);
    cmdPLAdd = new QPushButton(QStringLiteral("添加条目"), picPlayListBackGround);
    cmdPLDelete = new QPushButton(QStringLiteral("删除选中条目"), picPlayListBackGround);
    cmdPLUp = new QPushButton(QStringLiteral("上移"), picPlayListBackGround);
    cmdPLDown = new QPushButton(QStringLiteral("下移"), picPlayListBackGround);
    for (QPushButton* button : {cmdPLAdd, cmdPLDelete, cmdPLUp, cmdPLDown}) row->addWidget(button);
    layout->addLayout(row);
    return picPlayListBackGround;
}

QWidget* frmMain::buildPlayErrLogPanel() {
    picPlayErrLLBackGround = new QWidget(this);
    auto* layout = new QVBoxLayout(picPlayErrLLBackGround);
    lvPlayErrLogList = newListView<QTreeWidget>(picPlayErrLLBackGround);
    layout->addWidget(lvPlayErrLogList, 1);

    auto* row = new QHBoxLayout;
    labPlayErrLogCount = addCountRow(row, QStringLiteral("错误日志：共"), QStringLiteral("条错误信息"),
                                     picPlayErrLLBackGround);
    row->addStretch(1);
    cmdClearPlayErrLL = new QPushButton(QStringLiteral("清空错误日志列表"), picPlayErrLLBackGround);
    row->addWidget(cmdClearPlayErrLL);
    layout->addLayout(row);
    return picPlayErrLLBackGround;
}

void frmMain::buildMenus() {
    mnuBar = new QMenuBar(this);
    mnuFile = mnuBar->addMenu(QStringLiteral("文件"));
    mnuPlayFiles = mnuFile->addAction(QStringLiteral("播放文件"));
    mnuAddFilesToPL = mnuFile->addAction(QStringLiteral("加文件到播放列表"));
    mnuClearPL = mnuFile->addAction(QStringLiteral("清空播放列表"));
    mnuLine1 = mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("退出"));
    mnuConfig = mnuBar->addAction(QStringLiteral("设置"));
    mnuHelp = mnuBar->addMenu(QStringLiteral("帮助"));
    mnuFAQ = mnuHelp->addAction(QStringLiteral("使用手册"));
    mnuAbout = mnuHelp->addAction(QStringLiteral("关于"));
    mnuExit2 = mnuHelp->addAction(QStringLiteral("退出"));

    mnuScreens = new QMenu(this);
    mnuSx.push_back(mnuScreens->addAction(QStringLiteral("主屏幕")));

    mnuMovieOperations = new QMenu(this);
    mnuPlayMovie = mnuMovieOperations->addAction(QStringLiteral("播放"));
    mnuMovieOperateLine1 = mnuMovieOperations->addSeparator();
    mnuDeleteMovie = mnuMovieOperations->addAction(QStringLiteral("删除"));
    mnuMovieOperateLine2 = mnuMovieOperations->addSeparator();
}

// The play list's header texts come from its rows (PlayListRows::headerData).
void frmMain::createListColumns() {
    lvPlayList->setColumnWidth(PlayListRows::CheckColumn, pixelsX(375));
    lvPlayList->setColumnWidth(PlayListRows::NameColumn, pixelsX(3500));
    lvPlayList->setColumnWidth(PlayListRows::PathColumn, pixelsX(10000));
    lvPlayErrLogList->setHeaderLabels(
        {QString(), QStringLiteral("发生时间"), QStringLiteral("原因"), QStringLiteral("文件路径")});
    lvPlayErrLogList->header()->setMinimumSectionSize(0);
    lvPlayErrLogList->setColumnWidth(0, 0);
    // The time column is as wide as a time in the font in use, at least; the reason column grows with its
    // longest reason.
    const int timeWidth =
        lvPlayErrLogList->fontMetrics().horizontalAdvance(QStringLiteral("2026/12/31 23:59:59"));
    lvPlayErrLogList->setColumnWidth(1, std::max(pixelsX(1900), timeWidth + 16));
    lvPlayErrLogList->setColumnWidth(2, pixelsX(3500));
    lvPlayErrLogList->setColumnWidth(3, pixelsX(10000));
}

// The entries are the engine rules in the order users read them.
void frmMain::initPlayRulerCombo() {
    comboPlayRuler->addItem(QStringLiteral("仅使用RealPlayer播放引擎"),
                            codeValue(EngineRule::RealPlayerOnly));
    comboPlayRuler->addItem(QStringLiteral("仅使用MediaPlayer播放引擎"),
                            codeValue(EngineRule::MediaPlayerOnly));
    comboPlayRuler->addItem(QStringLiteral("优先使用RealPlayer播放引擎"),
                            codeValue(EngineRule::PreferRealPlayer));
    comboPlayRuler->addItem(QStringLiteral("优先使用MediaPlayer播放引擎"),
                            codeValue(EngineRule::PreferMediaPlayer));
}

void frmMain::wireTimers() {
    setUpTimer(timDelayQuickMoveItem, 500, true);
    setUpTimer(timQuickMoveItem, 150, false);
    setUpTimer(timDelayHideDeleteNote, 5000, true);
    setUpTimer(timDelayCheckMeIsActive, 450, true);
    setUpTimer(timRecordMainFaceWindowState, 1000, false);
    setUpTimer(timSetFangJingYinButton, 100, false);
    setUpTimer(timDelaySetPLTabFace, 1000, true);
    setUpTimer(timDelaySetFrm, 1, true);

    connect(&timDelayQuickMoveItem, &QTimer::timeout, this, [this] { timQuickMoveItem.start(); });
    connect(&timQuickMoveItem, &QTimer::timeout, this, [this] {
        moveSelectedItem(tagOf(&timQuickMoveItem) == QLatin1String("0") ? MoveDirection::Down
                                                                        : MoveDirection::Up);
    });
    connect(&timDelayHideDeleteNote, &QTimer::timeout, labDeleteNote, &QWidget::hide);
    connect(&timDelayCheckMeIsActive, &QTimer::timeout, this,
            [this] { m_boolFaceActive = tagOf(&timDelayCheckMeIsActive) != QLatin1String("0"); });
    connect(&timRecordMainFaceWindowState, &QTimer::timeout, this,
            [this] { lngLastWindowState = lngWindowStateCode(); });
    connect(&timSetFangJingYinButton, &QTimer::timeout, this, &frmMain::timSetFangJingYinButton_Timer);
    connect(&timDelaySetPLTabFace, &QTimer::timeout, this, &frmMain::setPLTabFace);
    // Without a sizing frame the grip at the bottom edge is the only way to change the height.
    connect(&timDelaySetFrm, &QTimer::timeout, this,
            [this] { setFixedSize(size().expandedTo(minimumSizeHint())); });
    timRecordMainFaceWindowState.start();
    timSetFangJingYinButton.start();
}
