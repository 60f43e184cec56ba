#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "control/Controler.h"
#include "engines/loader/EngineLoader.h"
#include "forms/frmHide.h"
#include "forms/frmMain.h"
#include "forms/frmScreen.h"
#include "handover/InstanceChannel.h"
#include "handover/InstanceServer.h"
#include "model/PlayList.h"
#include "mpris/MprisService.h"

// The player's start-up module: it owns the process-wide objects (play list, controller, tray window, screen
// window, control panel), wires them together in Main and opens the files of the command line.
class M1 : public QObject {
    Q_OBJECT
  public:
    explicit M1(const QString& strProgramFolder);
    // With the instance lock that the program's main has already taken: Main then goes straight on as the
    // player.
    M1(const QString& strProgramFolder, InstanceLock instanceLock);
    ~M1() override;

    // Start-up in its fixed order; the command line is the program's arguments joined by single spaces.
    void Main(const QString& strCommandLine);
    // True when another player was already running: this start only handed its command line over.
    bool boolHandedOver() const { return m_boolHandedOver; }
    // Whether Main makes sure both engines are installed (the player program does): when one is missing,
    // the engine presence dialog says so and the player ends. Without it, a missing engine's stand-in
    // fails each play.
    void setEnginePresenceCheck(bool on) { m_boolCheckEngines = on; }
    // A string from another start: "-SMF" brings up the control panel, anything else is a command line;
    // nothing is taken before start-up has finished, and one command line at most every 300 ms.
    void onInstanceMessage(const QString& text);
    // Closes the channel and gives up the instance lock: the next start becomes the player at once.
    void releaseInstance();
    // Opens what a command line names: nothing for an empty text; the files of a file-list block for a
    // "DMenuF_1__" (add and play) or "DMenuF_2__" (add only) command; otherwise one path to add and play.
    void processCommandString(const QString& text);
    // Chooses the video's monitor for full screen and the normal rectangle on the primary monitor.
    void placeScreenWindow();

    // Ends the player in order when the system asks it to (SIGTERM, SIGINT, SIGHUP, end of the session).
    void exitOnTerminationRequests();

    const QString& strProgramFolder() const { return m_strProgramFolder; }
    const QString& strAssocConfigPath() const { return m_strAssocConfigPath; }
    const QString& strAssocAppFolder() const { return m_strAssocAppFolder; }
    const QString& strAssocIcoFolder() const { return m_strAssocIcoFolder; }
    bool boolSysReady() const { return m_boolSysReady; }
    Controler* objControler() const { return m_objControler.get(); }
    PlayList* objPlayList() const { return m_objPlayList.get(); }
    frmHide* trayWindow() const { return m_frmHide.get(); }
    frmScreen* screenWindow() const { return m_frmScreen.get(); }
    frmMain* controlPanel() const { return m_frmMain.get(); }

  private:
    void noteWhatWasNotRead();
    bool boolEngineInstalled(int engine) const;
    void testEngineInBackground(int engine);
    void engineTested(int engine);

    QString m_strProgramFolder;
    QString m_strAssocConfigPath;
    QString m_strAssocAppFolder;
    QString m_strAssocIcoFolder;
    // The settings file when this run cannot write it (nothing changed in the run can be stored).
    QString m_strUnwritableSettings;
    bool m_boolSysReady = false;
    bool m_boolHandedOver = false;
    bool m_boolEnginesMissing = false;
    bool m_boolCheckEngines = false;
    int m_intFirstEngine = EngineLoader::kRealPlayer;
    bool m_boolPlaysAtStart = false;
    InstanceLock m_instanceLock;
    std::unique_ptr<InstanceServer> m_instanceServer;
    std::unique_ptr<EngineLoader> m_engines;
    std::unique_ptr<PlayList> m_objPlayList;
    std::unique_ptr<Controler> m_objControler;
    std::unique_ptr<frmHide> m_frmHide;
    std::unique_ptr<frmScreen> m_frmScreen;
    std::unique_ptr<frmMain> m_frmMain;
    // The desktop's media controls, on the session bus once the windows are up.
    std::unique_ptr<MprisService> m_mpris;
};
