#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

#include "CheckOSVersion.h"

class EngineLoader;
class QLabel;
class QPushButton;
class QWidget;

// The playback-engine presence check: the player needs both engines. When one is missing this dialog says
// which, offers the installer shipped in "PlyPcks" (or the download page of "DLUrls" when the installer is
// not there), tests again every 2 seconds and closes as soon as both engines are there. Whoever shows it
// ends the program once it is closed: the user starts the player again with both engines.
class frmCheckPlayers : public QDialog {
    Q_OBJECT
  public:
    explicit frmCheckPlayers(const QString& strProgramFolder, QWidget* parent = nullptr);
    ~frmCheckPlayers() override;

    // Tests both engines: true at once when both are there; otherwise the dialog is shown modally and the
    // answer is false once it is closed (the program then ends).
    bool checkPlayers();
    // The same with the engines' state already known.
    bool checkPlayers(bool boolMediaPresent, bool boolRealPresent);
    // Fills the dialog for the engines' state and starts the re-test, without waiting for the dialog: what
    // checkPlayers does before it shows the dialog.
    void prepareFace(bool boolMediaPresent, bool boolRealPresent);

    // Engine 2 counts as installed from major version 1 of its library; engine 1 when its library starts.
    static bool boolMediaPlayerInstalled(const EngineLoader& engines);
    static bool boolRealPlayerInstalled(const EngineLoader& engines);
    static bool boolFileExists(const QString& path);

    QLabel* labNotes = nullptr;
    QLabel* labMediaNotes = nullptr;
    QLabel* labRealNotes = nullptr;
    QWidget* picUpdateButtonPal = nullptr;
    QPushButton* cmdInstallMediaPlayer = nullptr;
    QPushButton* cmdInstallRealPlayer = nullptr;
    QPushButton* cmdOk = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Picture3 = nullptr;
    QTimer timCheckPlayers;

    const CheckOSVersion& objOSVersion() const { return m_objOSVersion; }

  private:
    void testEngines();
    void setInstallSources();
    void refreshFace();
    void install(bool boolInstallerPresent, const QString& strInstaller, const QString& strPage);
    void cmdInstallMediaPlayer_Click();
    void cmdInstallRealPlayer_Click();
    void timCheckPlayers_Timer();

    QString m_strProgramFolder;
    QString m_strWmpW2000, m_strWmpXP, m_strWmpVista, m_strRealW2000, m_strRealXP;
    CheckOSVersion m_objOSVersion;
    bool m_boolMediaPresent = false;
    bool m_boolRealPresent = false;
    QString m_strMediaInstaller, m_strRealInstaller;
    QString m_strMediaPage, m_strRealPage;
    QString m_strMediaName, m_strRealName;
    bool m_boolMediaInstallerPresent = false;
    bool m_boolRealInstallerPresent = false;
};
