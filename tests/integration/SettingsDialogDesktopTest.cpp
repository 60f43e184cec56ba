// The settings dialog of the running player, from the control panel's menu: switching the saver on arms the
// player's saver control at once with the new delay, and the association tab reads and writes the desktop's
// own files.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/M1.h"
#include "forms/frmSysConfig.h"
#include "saverctl/ScreenSaverCtrl.h"
#include "support/ModalDialogs.h"
#include "support/ProgramFolder.h"
#include "support/SaverFolder.h"
#include "support/TempXdgHome.h"

namespace {
class SettingsDialogDesktop : public ProgramFolderTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.installLauncher());
        folder.seed({}, [](SysConfig& config) { config.setBoolScreenSaver(false); });
        ASSERT_TRUE(
            addStandInSaverProgram(folder.path() + QStringLiteral("/SSP"), QStringLiteral("sarnwick")));
    }

    TempXdgHome desktop;
};
}  // namespace

TEST_F(SettingsDialogDesktop, SavedSettingsApplyAtOnceAndTheChosenTypesReachTheDesktop) {
    M1 m1(folder.path());
    m1.Main(QString());
    m1.objControler()->setProcessEnder([] {});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m1.controlPanel()));

    QStringList rows;
    bool admin = false;
    onNextModal<frmSysConfig>([&rows, &admin](frmSysConfig* dialog) {
        dialog->chkOpenScrSav->click();
        dialog->cmbRunScrSavDelayMinute->setCurrentIndex(11);
        dialog->sstTab->setCurrentIndex(1);
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->cmdSave->isEnabled(); }, 30000));
        QTreeWidget* list = dialog->lvFileAssociationList;
        for (int i = 0; i < list->topLevelItemCount(); ++i) rows << list->topLevelItem(i)->text(1);
        admin = dialog->boolUserIsAdmin();
        if (admin) dialog->cmdAssociaAll->click();
        dialog->cmdSave->click();
    });
    m1.controlPanel()->mnuConfig->trigger();

    EXPECT_TRUE(rows.contains(QStringLiteral(".mp4"))) << rows.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(rows.contains(QStringLiteral(".webm")));
    ScreenSaverCtrl* saver = m1.objControler()->objScreenSaverCtrl();
    EXPECT_EQ(saver->lngWorkState(), ScreenSaverCtrl::kArmed);
    EXPECT_EQ(saver->lngDelayMinute(), 12);
    EXPECT_EQ(saver->strScreenSaverProcName(), QStringLiteral("sarnwick"));
    const auto stored = readStored();
    EXPECT_TRUE(stored->config.boolScreenSaver());
    EXPECT_EQ(stored->config.lngSSDelayMinute(), 12);
    EXPECT_EQ(stored->config.strScrSavProcName(), QStringLiteral("sarnwick"));
    // An administrator's choice is the desktop's; anyone else's tab is read-only and writes nothing.
    const QByteArray mimeApps = desktop.readFile(desktop.userMimeApps());
    EXPECT_EQ(mimeApps.contains("video/mp4=kestrune-brandock.desktop"), admin) << mimeApps.toStdString();
}
