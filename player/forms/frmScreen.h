#pragma once

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "control/ScreenView.h"
#include "engines/api/MediaPlayerEngine.h"
#include "engines/api/RealPlayerEngine.h"
#include "model/PlayerCodes.h"

class cMonitors2;

// The one window media plays in. It hosts both engines stacked on its client area, one visible at a time,
// picks and starts them by the engine rule, falls back once from a failing engine to the other, reports
// progress, errors and the end of play, goes full screen on a chosen monitor and back, and turns clicks,
// double clicks and right clicks on the video into its events and context menu.
class frmScreen : public QWidget, public ScreenView {
    Q_OBJECT
  public:
    // Takes both engines; their video widgets become children of this window.
    frmScreen(std::unique_ptr<RealPlayerEngine> realPlayer, std::unique_ptr<MediaPlayerEngine> wmpPlayer,
              QWidget* parent = nullptr);
    ~frmScreen() override;

    EngineRule lngPlayRuler() const { return m_lngPlayRuler; }
    void setLngPlayRuler(EngineRule value) override;
    QString strFilePath() const;
    void setStrFilePath(const QString& path) override;
    bool play() override;
    void pause() override;
    void stopPlay() override;
    bool boolMaxSize() const override { return m_boolMaxSize; }
    void setBoolMaxSize(bool value) override;

    int lngNormalTop() const { return m_lngNormalTop; }
    int lngNormalLeft() const { return m_lngNormalLeft; }
    int lngNormalWidth() const { return m_lngNormalWidth; }
    int lngNormalHeight() const { return m_lngNormalHeight; }
    void setLngNormalTop(int value);
    void setLngNormalLeft(int value);
    void setLngNormalWidth(int value);
    void setLngNormalHeight(int value);
    int lngMaxTop() const { return m_lngMaxTop; }
    int lngMaxLeft() const { return m_lngMaxLeft; }
    int lngMaxWidth() const { return m_lngMaxWidth; }
    int lngMaxHeight() const { return m_lngMaxHeight; }
    void setLngMaxTop(int value) override;
    void setLngMaxLeft(int value) override;
    void setLngMaxWidth(int value) override;
    void setLngMaxHeight(int value) override;

    PlayState lngState() const override { return m_lngState; }
    PlayerEngine lngCurrentEngine() const { return m_lngCurrentEngine; }
    int intVolume() const { return m_intVolume; }
    void setIntVolume(int value) override;
    bool boolMute() const override { return m_boolMute; }
    void setBoolMute(bool value) override;
    qint64 lngJinDu();
    void setLngJinDu(qint64 seconds) override;
    qint64 lngFileLength() const override;
    QRect screenRectangle() const override { return frameGeometry(); }
    QString strCaption() const override { return windowTitle(); }
    QRect monitorRectangle() const override;
    void takeFocus() override;
    void hideScreen() override;

    void createScreenListMenu();
    void popuCtrlMenu();
    static QString strGetTimStringBySecValue(qint64 seconds);

    // Controls, menus and timers, by name.
    RealPlayerEngine* realPlayer() const { return m_realPlayer.get(); }
    MediaPlayerEngine* wmpPlayer() const { return m_wmpPlayer.get(); }
    QWidget* picTimShowBack = nullptr;
    QLabel* labMovieTimShow = nullptr;
    QMenu* mnuPopuMenu = nullptr;
    QMenu* mnuFullScreenTo = nullptr;
    std::vector<QAction*> mnuScreenX;
    QAction* mnuExitFullScreen = nullptr;
    QAction* mnuShowMainFace = nullptr;
    QAction* mnuPlay = nullptr;
    QAction* mnuPause = nullptr;
    QAction* mnuStop = nullptr;
    QAction* mnuFangYin = nullptr;
    QAction* mnuJingYin = nullptr;

    QTimer timMediaPlayDelay;
    QTimer timRealPlayDelay;
    QTimer timMediaErrDelay;
    QTimer timRealErrDelay;
    QTimer timErrDelay;
    QString timErrDelayTag;
    QTimer timRealPopuWinErrCheck;
    QTimer timDisableWMPFullScreen;
    QTimer timMediaPlayJinDu;
    QTimer timDelayRaiseClickEvent;
    QTimer timSetTimShowBackZOrder;
    // Reports the window's rectangle every two seconds from the first resize on, never stopped.
    QTimer timFrmPosiReport;

  signals:
    void JinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition,
               qint64 lngLengthSeconds, const QString& strLength);
    void PlayErr(const QString& strMessage);
    void PlayOver();
    void DbClickPlayer(bool boolIsMaxSize);
    void ClickPlayer();
    void clickPopuMenu(MenuCommand lngCommand);
    // A key of the player's, or the mouse wheel over the video (a volume step a notch).
    void KeyCommand(PlayerKey key);
    // lngState changed.
    void StateChange();
    // Where the window is, in pixels with its frame, at each tick of timFrmPosiReport: for the saver
    // controller, which keeps its pictures off the video.
    void FrmPosiReport(int left, int top, int width, int height);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The window lives until the player exits: a close request from the desktop (its title bar, Alt+F4, the
    // task bar) is refused.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // Engine choice, starts, failures and fallback.
    void wireEngines();
    void pickAndShowEngine();
    void showEngine(PlayerEngine engine);
    void resetForNewFile();
    void stopRoutine();
    void recordError(const QString& message);
    void disableStartAndErrorTimers();
    void playingDetected();
    void timMediaPlayDelay_Timer();
    void timRealPlayDelay_Timer();
    void timMediaErrDelay_Timer();
    void timRealErrDelay_Timer();
    void wmpPlayer_PlayStateChange(int newState);
    void wmpPlayer_MediaError();
    void realPlayer_StateChanged(int oldState, int newState);
    void realPlayer_PositionChanged(qint64 positionMs, qint64 lengthMs);
    void timMediaPlayJinDu_Timer();
    void showTime(const QString& position, const QString& length);
    void placeTimeDisplay();

    // Window geometry.
    void firstResize();
    void layoutEngines();
    void applyNormalRectangle();
    void applyMaxRectangle();
    void setCaptionBar(bool show);

    // Mouse input and the context menu.
    void buildMenu();
    void wireInput();
    void wmpPlayer_Click(int button);
    void wmpPlayer_DoubleClick();
    void wmpPlayer_MouseDown(int button);
    void wmpPlayer_MouseUp(int button);
    void mnuScreenX_Click(int index);

    std::unique_ptr<RealPlayerEngine> m_realPlayer;
    std::unique_ptr<MediaPlayerEngine> m_wmpPlayer;
    std::unique_ptr<cMonitors2> objMonitors;

    void setState(PlayState value);
    PlayState m_lngState = PlayState::Stopped;
    EngineRule m_lngPlayRuler = kDefaultEngineRule;
    PlayerEngine m_lngCurrentEngine = PlayerEngine::RealPlayer;
    bool m_boolMaxSize = false;
    int m_lngNormalTop = 0, m_lngNormalLeft = 0, m_lngNormalWidth = 0, m_lngNormalHeight = 0;
    int m_lngMaxTop = 0, m_lngMaxLeft = 0, m_lngMaxWidth = 0, m_lngMaxHeight = 0;
    int m_intVolume = kDefaultVolume;
    bool m_boolMute = false;
    qint64 m_lngJinDu = 0;
    bool boolExpectRealStop = false;
    bool boolSeekOnRealStart = false;
    // The current start of the RealPlayer engine reached playing: a stop from then on is the clip's end,
    // however short the clip.
    bool boolRealReachedPlaying = false;
    bool boolFirstResize = true;
    qint64 lngLastRealSecond = 0;
    int m_wheelAngle = 0;  // the wheel's turn not yet made into volume steps
    // The button release that ends a double click is no click of its own.
    bool m_boolReleaseEndsDoubleClick = false;
};
