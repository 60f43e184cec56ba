#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "PanelView.h"
#include "ScreenView.h"
#include "TrayView.h"
#include "ViewRef.h"
#include "model/Movie.h"
#include "model/PlayerCodes.h"
#include "model/RunParameter.h"
#include "monitors/cMonitor.h"

class MouseHideShow;
class PlayList;
class ScreenSaveAndPower;
class ScreenSaverCtrl;
class SysConfig;

// The hub of the player: every window talks to the rest of the system through it. It owns the run
// configuration, holds the control panel, the screen window and the play list that start-up hands it, turns
// the screen window's events into calls on the control panel, and keeps no playback state of its own.
class Controler : public QObject {
    Q_OBJECT
  public:
    // Who asks the player to end: the user (the exit entries of the menus), or the system (SIGTERM, SIGINT,
    // SIGHUP, the end of the desktop session), when nobody is left to read a message.
    enum class ExitCause { UserChoice, SessionEnd };
    // Shows the user a note without waiting for it; closed runs once the user has closed it.
    using NoteShower = std::function<void(const QString& note, std::function<void()> closed)>;
    // Shows the settings dialog modal over the control panel with the record filled in, and returns once
    // the dialog has closed; a save has then gone through saveRunPram.
    using ConfigFaceShower = std::function<void(RunParameter& runParameter)>;

    explicit Controler(QObject* parent = nullptr);
    ~Controler() override;

    // Start-up wiring: creates and loads the run configuration, the player's own saver control over the
    // saver folder, and the pointer hider (5 s of rest over the full-screen video). The system screen saver
    // and power saving stay off while something plays or while the player's own saver is armed.
    void setInitializePram(const QString& strDBFilePath, const QString& strScrSavPrcsFolderPath);
    // The references start-up hands over; the controller owns none of them.
    void setReferences(TrayView* trayWindow, PanelView* panel, ScreenView* screen, PlayList* playList);
    SysConfig* objSysConfig() const { return m_objSysConfig.get(); }
    PlayList* objPlayList() const { return m_objPlayList; }

    // Orderly shutdown: stores the configuration and, when kept, the play list and position, gives the user
    // back the system screen saver and power saving as they had them, then ends the process through the
    // ender (the application's exit by default). The pointer hider goes at once, so the pointer shows. It
    // returns at once: the events already queued (the muted screen window's among them) run once before the
    // rest of the exit, which waits for nothing else: the screen window stops its engines as it goes, and the
    // stores follow. From the first call on the player is shutting down: the screen window's events, later
    // starts and further exits are refused. What could not be stored is logged; a user who chose to exit is
    // also told, in one note, and the process ends once they close it (or at once, should the session end
    // meanwhile).
    void exitSys(ExitCause cause = ExitCause::UserChoice);
    bool boolShuttingDown() const { return m_boolShuttingDown; }
    void setProcessEnder(std::function<void()> ender) { m_processEnder = std::move(ender); }
    void setNoteShower(NoteShower shower) { m_noteShower = std::move(shower); }
    void setConfigFaceShower(ConfigFaceShower shower) { m_configFaceShower = std::move(shower); }

    // Transport.
    bool play();
    void pause();
    void stopPlay();
    void setPlayRuler(EngineRule lngRule);
    void setFilePath(const QString& strPath);
    void setVolume(std::int16_t intVolume);
    qint64 lngGetClipLength() const;
    // The play item's length in seconds as the screen window last reported it; 0 until it is known.
    qint64 lngReportedLength() const { return m_lngReportedLength; }
    void setJinDu(qint64 lngSeconds);
    void setMute(bool boolMute);
    bool boolGetMuteValue() const;
    PlayState lngScreenState() const;

    // The run configuration as the control panel shows and changes it.
    PlayRule lngRecyclePlayType() const;
    void setLngRecyclePlayType(PlayRule rule);
    EngineRule lngPlayRuler() const;
    std::int16_t intVolumeValue() const;
    bool boolPlayNextOnErr() const;
    bool boolPopuMainFaceForErr() const;
    bool boolSavePlayList() const;
    qint64 lngCurrentPlayPosition() const;
    qint64 lngCurrentPlayItemLen() const;

    // Play-list editing.
    MoviePtr AddAMovieToPL(const QString& strPath, MoviePtr& objListResult);
    // paths[1..n] are the files; paths[0] is never a file.
    void BatchAddMovie(const QStringList& paths, bool boolPlayNow);
    bool deleteAItemFromPL(const QString& strFlag, MoviePtr& oldActItem, MoviePtr& newActItem,
                           bool& boolWasPlayItem);
    void deleteAllItemFromPL();
    bool moveAItemUpDown(MoveDirection direction, const QString& strFlag, MoviePtr& swappedItem);
    void selectAItem(const QString& strFlag);
    MoviePtr objGetPlayItem() const;
    long lngGetIndexByItemFlag(const QString& strFlag) const;
    long lngGetPlayListItemCount() const;
    void PlayAMovieByFlag(const QString& strFlag);
    // Loads the new play item into the screen window without playing it.
    void playNextPreviousPlayItem(StepDirection lngDirection, bool boolRecycle, MoviePtr& objOldItem,
                                  MoviePtr& objItem);

    // Windows.
    void showMainFace();
    // The settings dialog, with the run configuration and the saver programs of the saver folder as they
    // are now; nothing opens while the player shuts down or before the windows are wired.
    void showConfigFace();
    void resetMainFrmPosiByMousePosi();
    void saveRunPram(const RunParameter& runParameter);

    // The player's saver programs.
    void previewAScrSavProcByName(const QString& strProcName);
    // Starts the saver in parameter mode; lngProcessId is the started process, 0 when none started.
    QString showAScrSavPrcPramConfigFace(const QString& strProcName, std::int32_t lngCenterX,
                                         std::int32_t lngCenterY, const QString& strText,
                                         qint64& lngProcessId);
    // The screen window's rectangle in pixels, for the saver to leave alone.
    void setPlayPosiForScreenSaver(int left, int top, int width, int height);
    ScreenSaverCtrl* objScreenSaverCtrl() const { return m_objScreenSaverCtrl.get(); }
    // The screen window goes full screen on the monitor, or back to its normal rectangle.
    void setFullScreenOn(const cMonitor& monitor);
    void setFullScreenOn(const QRect& monitor);
    void exitFullScreen();

    // The keyboard's commands, on either window.
    static constexpr qint64 kSeekStepSeconds = 10;
    static constexpr int kVolumeStep = 5;
    void doKeyCommand(PlayerKey key);

    // The screen window's events.
    void frmScreen_clickPopuMenu(MenuCommand lngCommand);
    void frmScreen_ClickPlayer();
    void frmScreen_DbClickPlayer(bool boolIsMaxSize);
    void frmScreen_JinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition,
                         qint64 lngLengthSeconds, const QString& strLength);
    void frmScreen_PlayErr(const QString& strMessage);
    void frmScreen_PlayOver();
    // The screen window started, paused or stopped playing.
    void frmScreen_StateChange();
    // The pointer hider asking where the video is: the screen window's rectangle in pixels, whether it is
    // full screen, and its caption; an empty rectangle, not full screen and no caption without a screen
    // window.
    void m_objMouseHideShow_tellMePlayArea(int& lngLeft, int& lngTop, int& lngWidth, int& lngHeight,
                                           bool& boolMaxSize, QString& strCaption);
    MouseHideShow* objMouseHideShow() const { return m_objMouseHideShow.get(); }

  signals:
    // For the player's listeners beyond its windows (the desktop's media controls): the screen window
    // started, paused or stopped playing.
    void StateChange();
    // The play item changed, or what is known of it (its length), or the list it steps through.
    void PlayItemChange();
    // The volume or the mute changed.
    void VolumeChange();
    // The play position was set to lngSeconds (a seek), not reached by playing on.
    void JinDuSet(qint64 lngSeconds);

  private:
    void createSaverSide(const QString& strScrSavPrcsFolderPath);
    void releaseSaverSide();
    // Holds the system screen saver and power saving off while something plays or the player's own saver
    // is armed (or running), and gives them back otherwise.
    void settleDesktopSaverHold();
    std::int32_t lngSaverWorkState() const;
    void reportFace(FaceState state);
    void seekBy(qint64 seconds);
    // The file the screen window plays next; the play item's listeners hear of it.
    void loadIntoScreen(const QString& strPath);
    void changeVolumeBy(int delta);
    void finishExit();
    void endProcess();

    std::unique_ptr<SysConfig> m_objSysConfig;
    std::unique_ptr<ScreenSaveAndPower> m_objScreenSaveAndPower;
    std::unique_ptr<ScreenSaverCtrl> m_objScreenSaverCtrl;
    bool m_boolDesktopSaverHeld = false;
    std::unique_ptr<MouseHideShow> m_objMouseHideShow;
    ViewRef<TrayView> m_frmHide;
    ViewRef<PanelView> m_frmMain;
    ViewRef<ScreenView> m_frmScreen;
    PlayList* m_objPlayList = nullptr;
    std::function<void()> m_processEnder;
    NoteShower m_noteShower;
    ConfigFaceShower m_configFaceShower;
    ExitCause m_exitCause = ExitCause::UserChoice;
    bool m_boolShuttingDown = false;
    bool m_boolExitNoteUp = false;
    bool m_boolEnded = false;
    bool m_boolKeepListAtExit = false;
    qint64 m_lngReportedLength = 0;  // the play item's length as last reported, in seconds
};
