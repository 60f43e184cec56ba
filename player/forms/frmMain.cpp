// The control panel window: set-up, resizing, the height grip, collapsing the list, activation, closing and
// dropped files.
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTreeWidget>

#include "ControlTag.h"
#include "FileAdding.h"
#include "FormUnits.h"
#include "M1Windows.h"
#include "PlayListRows.h"
#include "PlayerKeys.h"
#include "base/TextHelpers.h"
#include "control/Controler.h"
#include "monitors/cMonitors2.h"

namespace {
constexpr double kBorderGapTwips = 15;
constexpr double kCollapsedGapTwips = 30;
constexpr double kMinimumHeightTwips = 4300;
}  // namespace

frmMain::frmMain(Controler* controler, QWidget* parent) : QWidget(parent), m_controler(controler) {
    buildControls();
    wireControls();
    wireTimers();
    setPlayButtonState(PlayButtonState::OffersPlay);
    tsLists->setCurrentIndex(0);
}

frmMain::~frmMain() = default;

void frmMain::wireControls() {
    connect(cmdPLAdd, &QPushButton::clicked, this, [this] { addFilesByDialog(false); });
    connect(mnuAddFilesToPL, &QAction::triggered, this, [this] { addFilesByDialog(false); });
    connect(mnuPlayFiles, &QAction::triggered, this, [this] { addFilesByDialog(true); });
    connect(cmdPLDelete, &QPushButton::clicked, this, &frmMain::deleteCheckedItems);
    connect(mnuDeleteMovie, &QAction::triggered, this, &frmMain::deleteCheckedItems);
    connect(mnuClearPL, &QAction::triggered, this, &frmMain::clearPlayList);
    connect(mnuPlayMovie, &QAction::triggered, this, &frmMain::playSelectedRow);
    connect(cmdPLUp, &QPushButton::clicked, this, [this] {
        moveSelectedItem(MoveDirection::Up);
        focusPlayList();
    });
    connect(cmdPLDown, &QPushButton::clicked, this, [this] {
        moveSelectedItem(MoveDirection::Down);
        focusPlayList();
    });
    connect(chkToDeleteAll, &QCheckBox::toggled, this, &frmMain::chkToDeleteAll_Click);
    connect(m_playListRows, &PlayListRows::rowCheckToggled, this, &frmMain::lvPlayList_ItemCheck);
    connect(lvPlayList, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { m_controler->selectAItem(strRowKey(index.row())); });

    connect(cmdPlay, &QPushButton::clicked, this, &frmMain::cmdPlay_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(cmdUp, &QPushButton::clicked, this, [this] { playAdjacentItem(StepDirection::Previous, true); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { playAdjacentItem(StepDirection::Next, true); });
    connect(cmdRecyclePlayPL, &QPushButton::clicked, this, &frmMain::cmdRecyclePlayPL_Click);
    connect(comboPlayRuler, &QComboBox::activated, this, &frmMain::comboPlayRuler_Click);
    connect(cmdSetScreen, &QPushButton::clicked, this, &frmMain::cmdSetScreen_Click);
    connect(mnuSx.front(), &QAction::triggered, this, [this] { mnuSx_Click(0); });
    connect(sldJinDu, &QSlider::valueChanged, this, &frmMain::sldJinDu_Scroll);
    connect(sldVolume, &QSlider::valueChanged, this, &frmMain::sldVolume_Scroll);
    connect(cmdHideShowPL, &QPushButton::clicked, this, &frmMain::cmdHideShowPL_Click);

    connect(tsLists, &QTabWidget::currentChanged, this, &frmMain::hidePlayErrNote);
    connect(cmdClearPlayErrLL, &QPushButton::clicked, this, &frmMain::clearPlayErrLog);

    connect(mnuExit, &QAction::triggered, this, [this] { confirmExit(this, m_controler); });
    connect(mnuExit2, &QAction::triggered, this, [this] { confirmExit(this, m_controler); });
    connect(mnuConfig, &QAction::triggered, this, [this] {
        if (m_controler) m_controler->showConfigFace();
    });
    connect(mnuFAQ, &QAction::triggered, this, &frmMain::mnuFAQ_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    for (QObject* watched : std::initializer_list<QObject*>{
             lvPlayList->viewport(), sldJinDu, picBottomBorder, cmdPLUp, cmdPLDown, picJingFangYin,
             lvPlayErrLogList->viewport(), lvPlayErrLogList->header()->viewport(), picPlayErrLLBackGround}) {
        watched->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvPlayList->viewport()) return lvPlayList_Mouse(event);
    if (watched == sldJinDu) return sldJinDu_Input(event);
    if (watched == picBottomBorder) return picBottomBorder_Mouse(event);
    if (watched == cmdPLUp || watched == cmdPLDown) {
        const bool left = event->type() == QEvent::MouseButtonPress &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        if (left) startQuickMove(watched == cmdPLUp);
        if (event->type() == QEvent::MouseButtonRelease) stopQuickMove();
        return false;
    }
    if (watched == picJingFangYin) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                picJingFangYin->rect().contains(mouse->position().toPoint()))
                setMute();
        }
        return false;
    }
    if (watched == lvPlayErrLogList->viewport() || watched == lvPlayErrLogList->header()->viewport() ||
        watched == picPlayErrLLBackGround) {
        return lvPlayErrLogList_Mouse(event);
    }
    return QWidget::eventFilter(watched, event);
}

QString frmMain::strGetTimStringBySecValue(qint64 seconds) {
    return ::strGetTimStringBySecValue(seconds);
}

bool frmMain::boolFaceActive() const {
    return m_boolFaceActive;
}

// ---- Size and window state ------------------------------------------------------------------------------

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_boolFirstResize) firstResize();
    formResize();
}

void frmMain::firstResize() {
    m_boolFirstResize = false;
    timDelaySetFrm.start();
    setPLTabFace();
    placeBottomBorder();
    timDelaySetPLTabFace.start();
    m_boolLoading = false;
}

// Every size or window-state change. The state is recorded before the controller shows the panel, so that
// the restore it may cause is not taken for a second one.
void frmMain::formResize() {
    const FaceWindowState state = lngWindowStateCode();
    const bool restoredFromMinimised =
        lngLastWindowState == FaceWindowState::Minimised && state != FaceWindowState::Minimised;
    lngLastWindowState = state;
    if (restoredFromMinimised && m_controler) m_controler->showMainFace();
    if (!m_boolDraggingBorder) placeBottomBorder();
    picBottomBorder->raise();
}

FaceWindowState frmMain::lngWindowStateCode() const {
    if (windowState() & Qt::WindowMinimized) return FaceWindowState::Minimised;
    if (windowState() & Qt::WindowMaximized) return FaceWindowState::Maximised;
    return FaceWindowState::Normal;
}

void frmMain::showFace() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) setWindowState(Qt::WindowNoState);
    if (isVisible()) {
        activateWindow();
        setFocus();
    } else {
        show();
    }
    raise();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        formResize();
    } else if (event->type() == QEvent::ActivationChange) {
        setTag(&timDelayCheckMeIsActive, isActiveWindow() ? QStringLiteral("1") : QStringLiteral("0"));
        timDelayCheckMeIsActive.start();
    }
}

// The tab pages show the panel of the selected tab in the tab's client area.
void frmMain::setPLTabFace() {
    const bool listTab = tsLists->currentIndex() == 0;
    picPlayListBackGround->setVisible(listTab);
    picPlayErrLLBackGround->setVisible(!listTab);
}

void frmMain::placeBottomBorder() {
    picBottomBorder->setGeometry(0, tsLists->geometry().bottom() + 1 + pixelsY(kBorderGapTwips), width(),
                                 picBottomBorder->height());
}

// Without the sizing frame the window's size is fixed, and only the code changes its height.
void frmMain::setClientHeight(int height) {
    if (minimumSize() == maximumSize()) {
        setFixedHeight(height);
    } else {
        resize(width(), height);
    }
}

bool frmMain::picBottomBorder_Mouse(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_boolDraggingBorder = true;
            picBottomBorder->raise();
            return true;
        case QEvent::MouseMove: {
            if (!m_boolDraggingBorder) return false;
            const int pointerY = static_cast<int>(static_cast<QMouseEvent*>(event)->position().y());
            const int newHeight = picBottomBorder->y() + pointerY;
            const int frame = frameGeometry().height() - height();
            if (frame + newHeight > pixelsY(kMinimumHeightTwips)) setClientHeight(newHeight);
            return true;
        }
        case QEvent::MouseButtonRelease:
            m_boolDraggingBorder = false;
            placeBottomBorder();
            return true;
        default:
            return false;
    }
}

// Collapsed, only the controls above the line over the list area remain.
void frmMain::cmdHideShowPL_Click() {
    auto* frame = layout();
    QMargins margins = frame->contentsMargins();
    if (!m_boolListHidden) {
        sngExpandedHeight = height();
        const int lineTop = linListTop->y();
        m_boolListHidden = true;
        tsLists->hide();
        picBottomBorder->hide();
        margins.setBottom(0);
        frame->setContentsMargins(margins);
        setClientHeight(lineTop + pixelsY(kCollapsedGapTwips));
    } else {
        m_boolListHidden = false;
        margins.setBottom(pixelsY(kBorderGapTwips) + picBottomBorder->height() + 1);
        frame->setContentsMargins(margins);
        tsLists->show();
        picBottomBorder->show();
        setClientHeight(static_cast<int>(sngExpandedHeight));
    }
}

// The mute switch shows a frame while the pointer is over it.
void frmMain::timSetFangJingYinButton_Timer() {
    const bool over = isVisible() && QApplication::widgetAt(QCursor::pos()) == picJingFangYin;
    if (over && tagOf(picJingFangYin) != QLatin1String("1")) {
        setTag(picJingFangYin, QStringLiteral("1"));
        picJingFangYin->setFrameShape(QFrame::Box);
    } else if (!over && tagOf(picJingFangYin) != QLatin1String("0")) {
        setTag(picJingFangYin, QStringLiteral("0"));
        picJingFangYin->setFrameShape(QFrame::NoFrame);
    }
}

// The window has no sizing frame, but it grows wider whenever its controls need more room than it has (a
// longer state word, a larger font, a higher scale), so that no text is cut.
bool frmMain::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest && minimumSize() == maximumSize() &&
        minimumSizeHint().width() > width()) {
        setFixedWidth(minimumSizeHint().width());
    }
    return handled;
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<PlayerKey> key = playerKeyOf(*event); key && m_controler) {
        m_controler->doKeyCommand(*key);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

// ---- Dropped files --------------------------------------------------------------------------------------

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    acceptFileDrag(event);
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    acceptFileDrag(event);
}

void frmMain::dropEvent(QDropEvent* event) {
    acceptFileDrop(event, false, m_controler, this);
}
