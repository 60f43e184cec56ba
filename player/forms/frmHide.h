#pragma once

#include <QIcon>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "basecore/Product.h"
#include "control/TrayView.h"

class Controler;
class QAction;
class QMenu;

// The tray window: loaded at start-up and never shown. It carries the player's notification-area icon with
// its tooltip, balloon and menu, the single-instance caption that start-up gives it, and the hand-over gate
// timer. Its icon is also the icon of the player's own windows and dialogs.
class frmHide : public QWidget, public TrayView {
    Q_OBJECT
  public:
    static constexpr const char* kTrayTip = kProductName;
    static constexpr const char* kBalloonTitle = kProductName;
    // The balloon's text as the player keeps it, with CR LF line breaks.
    static constexpr const char* kBalloonText =
        "\r\n用鼠标左键双击显示控制面板\r\n\r\n用鼠标右键单击显示系统菜单\r\n";
    static constexpr int kBalloonTimeout = 10000;
    static constexpr int kDelayCallWinProcInterval = 300;
    static constexpr int kTrayWatchInterval = 1000;

    // Load: builds the menu, adds the icon (which shows the balloon) and makes the icon the application's.
    explicit frmHide(Controler* controler, QWidget* parent = nullptr);
    ~frmHide() override;

    // The control panel, owner of the exit question.
    void setMainFace(QWidget* panel) { m_mainFace = panel; }
    // Unload: the icon leaves the notification area.
    void unloadTray() override { close(); }

    // Removes the icon from the notification area and adds it again; the balloon shows again.
    void resetTray();
    // The balloon's text as the desktop shows it.
    static QString strBalloonTextForDisplay();

    QIcon picTrayIco_XP;
    QIcon picTrayIco_2000;
    QSystemTrayIcon* objTrayIcon = nullptr;
    // The hand-over gate: disabled at load; its tick only disables it.
    QTimer timDelayCallWinProc;

    QMenu* mnuTrayMenu = nullptr;
    QAction* mnuShowMainFace = nullptr;
    QAction* mnuLine1 = nullptr;
    QAction* mnuConfig = nullptr;
    QAction* mnuLine2 = nullptr;
    QAction* mnuFAQ = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuLine3 = nullptr;
    QAction* mnuExit = nullptr;

  protected:
    // Unload: the icon leaves the notification area.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildTrayMenu();
    void buildTrayIconData();
    void addTrayIcon();
    void deleteTrayIcon();
    void objTrayIcon_activated(QSystemTrayIcon::ActivationReason reason);
    void timDelayCallWinProc_Timer();
    void timTrayWatch_Timer();

    void mnuShowMainFace_Click();
    void mnuConfig_Click();
    void mnuFAQ_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    QPointer<Controler> m_controler;
    QPointer<QWidget> m_mainFace;
    // The notification area's comings and goings: when one appears (at last, or again after its host
    // restarted), the icon is added anew and its balloon shows.
    QTimer timTrayWatch;
    bool m_boolTrayAvailable = false;
};
