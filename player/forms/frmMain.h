#pragma once

#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "control/PanelTransport.h"
#include "control/PanelView.h"
#include "model/Movie.h"
#include "model/PlayerCodes.h"

class Controler;
class cMonitors2;
class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QSlider;
class QTabWidget;
class QTreeView;
class QTreeWidget;
class PlayListRows;

// The control panel: the play list and the play-error log on two tabs, the transport buttons, progress and
// volume, the play-rule and engine-rule choices, full screen on a chosen monitor, and the File, Settings and
// Help menus. Every action is a call on the controller, which calls the public members back with the state
// to show. Closing the window only hides it. Its transport is also what the player's remote controls press.
class frmMain : public QWidget, public PanelView, public PanelTransport {
    Q_OBJECT
  public:
    explicit frmMain(Controler* controler, QWidget* parent = nullptr);
    ~frmMain() override;

    // What the controller calls.
    void playErrEventProcess(const QString& strReason) override;
    void playOverEventProcess() override;
    void setJinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition,
                  qint64 lngLengthSeconds, const QString& strLength) override;
    void setFaceToAPlayState(FaceState state, bool boolFocus) override;
    void setPLItemStateByKey(const QString& key, RowState state) override;
    void AddAMovieToFaceList(const MoviePtr& item) override;
    void AddMoviesToFaceList(const std::vector<MoviePtr>& items) override;
    qint64 lngGetMovieLen() const override;
    qint64 lngGetJinDu() const override;
    bool boolFaceActive() const override;
    QString strSelectedRowKey() const override;
    QRect faceRectangle() const override { return frameGeometry(); }
    bool boolFaceVisible() const override { return isVisible(); }
    void showFace() override;
    void hideFace() override { hide(); }
    void minimiseFace() override { showMinimized(); }
    void moveFace(const QPoint& topLeft) override { move(topLeft); }
    void showVolume(int volume) override;

    // The transport the remote controls press.
    PlayButtonState playButtonOffers() const override;
    void clickPlay() override;
    void clickStop() override;
    void clickStep(StepDirection direction) override;
    void releaseJinDuAt(qint64 lngSeconds) override;
    void slideVolumeTo(int intVolume) override;
    qint64 lngShownJinDu() const override { return lngGetJinDu(); }
    qint64 lngShownMovieLen() const override { return lngGetMovieLen(); }

    void setPlayButtonState(PlayButtonState state);
    void setMute();
    void initializeFace();
    void setFaceBySysConfigPara();
    static QString strGetTimStringBySecValue(qint64 seconds);

    // Rows of the play-list view, from 0: key (the item's strFlag) and tag ("1" for the play item's row, "0"
    // for the others; empty for a row out of range), and the row of a key, ignoring case (-1 when none).
    QString strRowKey(int row) const;
    QString strRowTag(int row) const;
    int rowByKey(const QString& key) const;
    bool boolListHidden() const { return m_boolListHidden; }
    bool boolDraggingJinDu() const { return m_boolDraggingJinDu; }
    EngineRule lngCurrentPlayRuler() const { return m_lngCurrentPlayRuler; }

    // Controls, menus and timers, by name. A control's tag is its dynamic property "tag".
    QTabWidget* tsLists = nullptr;
    QWidget* picPlayListBackGround = nullptr;
    QTreeView* lvPlayList = nullptr;
    QLabel* labFileCount = nullptr;
    QCheckBox* chkToDeleteAll = nullptr;
    QLabel* labDeleteNote = nullptr;
    QPushButton* cmdPLAdd = nullptr;
    QPushButton* cmdPLDelete = nullptr;
    QPushButton* cmdPLUp = nullptr;
    QPushButton* cmdPLDown = nullptr;
    QWidget* picPlayErrLLBackGround = nullptr;
    QTreeWidget* lvPlayErrLogList = nullptr;
    QLabel* labPlayErrLogCount = nullptr;
    QPushButton* cmdClearPlayErrLL = nullptr;
    QFrame* picPlayErrNote = nullptr;
    QLabel* labPlayErrNote = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdUp = nullptr;
    QPushButton* cmdDown = nullptr;
    QPushButton* cmdRecyclePlayPL = nullptr;
    QComboBox* comboPlayRuler = nullptr;
    QPushButton* cmdSetScreen = nullptr;
    QSlider* sldJinDu = nullptr;
    QLabel* labMoviePosi = nullptr;
    QLabel* labMovieLen = nullptr;
    QLabel* labSlidMax = nullptr;
    QSlider* sldVolume = nullptr;
    QLabel* picJingFangYin = nullptr;
    QPixmap picFangYinImage;
    QPixmap picJingYinImage;
    QLabel* labPlayState1 = nullptr;
    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdHideShowPL = nullptr;
    QFrame* linListTop = nullptr;
    QFrame* picBottomBorder = nullptr;
    QFileDialog* commdilogAddFile = nullptr;  // made on first use

    QMenuBar* mnuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuPlayFiles = nullptr;
    QAction* mnuAddFilesToPL = nullptr;
    QAction* mnuClearPL = nullptr;
    QAction* mnuLine1 = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuConfig = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFAQ = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuExit2 = nullptr;
    QMenu* mnuScreens = nullptr;
    std::vector<QAction*> mnuSx;
    QMenu* mnuMovieOperations = nullptr;
    QAction* mnuPlayMovie = nullptr;
    QAction* mnuMovieOperateLine1 = nullptr;
    QAction* mnuDeleteMovie = nullptr;
    QAction* mnuMovieOperateLine2 = nullptr;

    QTimer timDelayQuickMoveItem;
    QTimer timQuickMoveItem;
    QTimer timDelayHideDeleteNote;
    QTimer timDelayCheckMeIsActive;
    QTimer timRecordMainFaceWindowState;
    QTimer timSetFangJingYinButton;
    QTimer timDelaySetPLTabFace;
    QTimer timDelaySetFrm;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // Building the window (frmMainControls.cpp).
    void buildControls();
    QWidget* buildTransportArea();
    QWidget* buildPlayListPanel();
    QWidget* buildPlayErrLogPanel();
    void buildMenus();
    void createListColumns();
    void initPlayRulerCombo();
    void wireControls();
    void wireTimers();

    // Window behaviour (frmMain.cpp).
    void firstResize();
    void formResize();
    FaceWindowState lngWindowStateCode() const;
    void setPLTabFace();
    void placeBottomBorder();
    void setClientHeight(int height);
    void cmdHideShowPL_Click();
    bool picBottomBorder_Mouse(QEvent* event);
    void timSetFangJingYinButton_Timer();

    // The play list (frmMainList.cpp).
    void fillPlayListView();
    void updateFileCount();
    void markRow(int row, bool isPlayItem);
    void selectRow(int row);
    void scrollToRow(int row);
    int selectedRow() const;
    void focusPlayList();
    void deleteSelectedItem();
    void deleteCheckedItems();
    void clearPlayList();
    void chkToDeleteAll_Click();
    void lvPlayList_ItemCheck(int row, bool checked);
    void releaseDeleteAllBox();
    void moveSelectedItem(MoveDirection direction);
    void swapListRows(int first, int second);
    void startQuickMove(bool up);
    void stopQuickMove();
    bool boolPointOnSelectedRow() const;
    bool lvPlayList_Mouse(QEvent* event);
    void playSelectedRow();

    // Transport, progress and volume (frmMainProgress.cpp).
    void cmdPlay_Click();
    void cmdStop_Click();
    void comboPlayRuler_Click(int index);
    void selectPlayRulerEntry(EngineRule value);
    void setSliderValue(QSlider* slider, int value);
    void sldJinDu_Scroll();
    void sendJinDuToControler();
    bool sldJinDu_Input(QEvent* event);
    void sldVolume_Scroll();
    void showFileNameOfPlayItem();

    // Play rules and play errors (frmMainPlayRules.cpp).
    bool playAdjacentItem(StepDirection direction, bool recycle);
    void cmdRecyclePlayPL_Click();
    void showRecyclePlayRule(PlayRule rule);
    void showPlayRuleAtSetUp();
    void addPlayErrLogRow(const QString& strReason, const QString& strFilePath);
    void clearPlayErrLog();
    void hidePlayErrNote();
    bool lvPlayErrLogList_Mouse(QEvent* event);

    // Menus, full screen and adding files (frmMainMenus.cpp).
    void addFilesByDialog(bool play);
    void cmdSetScreen_Click();
    void mnuSx_Click(int index);
    void mnuFAQ_Click();
    void mnuAbout_Click();

    Controler* m_controler = nullptr;
    PlayListRows* m_playListRows = nullptr;  // the rows lvPlayList shows
    std::unique_ptr<cMonitors2> objMonitors;
    bool m_boolLoading = true;
    bool m_boolDraggingJinDu = false;
    bool m_boolListHidden = false;
    double sngExpandedHeight = 0;
    FaceWindowState lngLastWindowState = FaceWindowState::Normal;
    EngineRule m_lngCurrentPlayRuler = EngineRule::PreferRealPlayer;
    bool m_boolFaceActive = false;
    bool m_boolFirstResize = true;
    bool m_boolDraggingBorder = false;
    QPoint m_lvPlayListMouseDown;
};
