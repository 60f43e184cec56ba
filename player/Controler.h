#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

#include "Movie.h"
#include "RunParameter.h"

class PlayList;
class SysConfig;
class frmHide;
class frmMain;
class frmScreen;

// The hub of the player: every window talks to the rest of the system through it. It owns the run
// configuration, holds the control panel, the screen window and the play list that start-up hands it, turns
// the screen window's events into calls on the control panel, and keeps no playback state of its own.
class Controler : public QObject {
    Q_OBJECT
  public:
    // Panel state codes reported through frmMain::setFaceToAPlayState.
    static constexpr int kFacePlaying = 1;
    static constexpr int kFacePaused = 2;
    static constexpr int kFaceStopped = 3;
    static constexpr int kFaceSoundOn = 4;
    static constexpr int kFaceMuted = 5;
    static constexpr int kFaceFullScreen = 6;
    static constexpr int kFaceWindowed = 7;

    explicit Controler(QObject* parent = nullptr);
    ~Controler() override;

    // Start-up wiring: creates and loads the run configuration.
    void setInitializePram(const QString& strDBFilePath, const QString& strScrSavPrcsFolderPath);
    // The references start-up hands over; the controller owns none of them.
    void setReferences(frmHide* trayWindow, frmMain* panel, frmScreen* screen, PlayList* playList);
    SysConfig* objSysConfig() const { return m_objSysConfig.get(); }
    PlayList* objPlayList() const { return m_objPlayList; }
    frmHide* trayWindow() const;
    frmMain* mainFace() const;
    frmScreen* screen() const;

    // Orderly shutdown: saves the configuration and, when kept, the play list and position, then ends the
    // process through the ender (the application's exit by default).
    void exitSys();
    void setProcessEnder(std::function<void()> ender) { m_processEnder = std::move(ender); }

    // Transport.
    bool play();
    void pause();
    void stopPlay();
    void setPlayRuler(int lngRule);
    void setFilePath(const QString& strPath);
    void setVolume(std::int16_t intVolume);
    qint64 lngGetClipLength() const;
    void setJinDu(qint64 lngSeconds);
    void setMute(bool boolMute);
    bool boolGetMuteValue() const;

    // Play-list editing.
    MoviePtr AddAMovieToPL(const QString& strPath, MoviePtr& objListResult);
    // paths[1..n] are the files; paths[0] is never a file.
    void BatchAddMovie(const QStringList& paths, bool boolPlayNow);
    bool deleteAItemFromPL(const QString& strFlag, MoviePtr& oldActItem, MoviePtr& newActItem,
                           bool& boolWasPlayItem);
    void deleteAllItemFromPL();
    bool moveAItemUpDown(int direction, const QString& strFlag, MoviePtr& swappedItem);
    void selectAItem(const QString& strFlag);
    MoviePtr objGetPlayItem() const;
    long lngGetIndexByItemFlag(const QString& strFlag) const;
    long lngGetPlayListItemCount() const;
    void PlayAMovieByFlag(const QString& strFlag);
    // Direction 1 next, 2 previous; loads the new play item into the screen window without playing it.
    void playNextPreviousPlayItem(int lngDirection, bool boolRecycle, MoviePtr& objOldItem,
                                  MoviePtr& objItem);

    // Windows.
    void showMainFace();
    // The settings dialog; until it exists, nothing opens.
    void showConfigFace();
    void resetMainFrmPosiByMousePosi();
    void saveRunPram(const RunParameter& runParameter);

    // The screen window's events.
    void frmScreen_clickPopuMenu(int lngCommand);
    void frmScreen_ClickPlayer();
    void frmScreen_DbClickPlayer(bool boolIsMaxSize);
    void frmScreen_JinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition,
                         qint64 lngLengthSeconds, const QString& strLength);
    void frmScreen_PlayErr(const QString& strMessage);
    void frmScreen_PlayOver();

  private:
    void reportFace(int state);

    std::unique_ptr<SysConfig> m_objSysConfig;
    QPointer<frmHide> m_frmHide;
    QPointer<frmMain> m_frmMain;
    QPointer<frmScreen> m_frmScreen;
    PlayList* m_objPlayList = nullptr;
    std::function<void()> m_processEnder;
    bool m_exiting = false;
};
