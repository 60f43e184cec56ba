// The tray window headless: its menu, the clicks on its icon, its icon on the player's dialogs. The
// notification area itself is tested under Xvfb with a real tray host.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

#include "forms/frmAbout.h"
#include "forms/frmMsgBox.h"
#include "forms/frmSysConfig.h"
#include "support/PanelHarness.h"

namespace {
QImage picture(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}
}  // namespace

class TrayWindow : public PanelFixture {};

TEST_F(TrayWindow, TheMenuHasItsItemsInOrderWithTheBoldDefaultFirst) {
    QMenu* menu = tray->objTrayIcon->contextMenu();
    ASSERT_EQ(menu, tray->mnuTrayMenu);
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"显示控制面板", "-", "设置", "-", "使用手册", "关于", "-", "退出"}));
    EXPECT_EQ(menu->defaultAction(), tray->mnuShowMainFace);
    EXPECT_TRUE(tray->mnuShowMainFace->font().bold());
    EXPECT_FALSE(tray->mnuExit->font().bold());
    EXPECT_EQ(tray->objTrayIcon->toolTip(), QStringLiteral("Kestrune Vandrel"));
}

TEST_F(TrayWindow, OnlyTheDoubleClickAndTheMenuShowTheHiddenPanel) {
    panel->hide();
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Context})
        emit tray->objTrayIcon->activated(reason);
    EXPECT_FALSE(panel->isVisible());
    emit tray->objTrayIcon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(panel->isVisible());

    panel->hide();
    tray->mnuShowMainFace->trigger();
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(TrayWindow, ExitAsksOverThePanelAndEndsOnlyOnYes) {
    QWidget* owner = nullptr;
    onNextModal<frmMsgBox>([&](frmMsgBox* box) {
        owner = box->parentWidget();
        box->cmdNo->click();
    });
    tray->mnuExit->trigger();
    EXPECT_EQ(owner, panel.get());
    EXPECT_EQ(exits, 0);

    onNextModal<frmMsgBox>([](frmMsgBox* box) { box->cmdYes->click(); });
    tray->mnuExit->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return exits == 1; }, 5000));
}

TEST_F(TrayWindow, TheAboutBoxAndTheMessageBoxShowTheTrayIcon) {
    const QImage trayPicture = picture(tray->picTrayIco_XP);
    QImage aboutPicture;
    onNextModal<frmAbout>([&](frmAbout* about) {
        aboutPicture = picture(about->windowIcon());
        about->cmdOk->click();
    });
    tray->mnuAbout->trigger();
    EXPECT_EQ(aboutPicture, trayPicture);
    EXPECT_EQ(picture(frmMsgBox(panel.get()).windowIcon()), trayPicture);
    EXPECT_NE(picture(tray->picTrayIco_2000), trayPicture);
}

TEST_F(TrayWindow, SettingsOpenWithTheTrayIconAndCancelChangesNothing) {
    config()->setBoolSavePlayList(true);
    QImage settingsPicture;
    onNextModal<frmSysConfig>([&](frmSysConfig* dialog) {
        settingsPicture = picture(dialog->windowIcon());
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("运行参数设置"));
        EXPECT_TRUE(dialog->chkSavePlayList->isChecked());
        dialog->chkSavePlayList->click();
        dialog->cmdCancel->click();
    });
    tray->mnuConfig->trigger();
    EXPECT_EQ(settingsPicture, picture(tray->picTrayIco_XP));
    EXPECT_TRUE(config()->boolSavePlayList());
}
