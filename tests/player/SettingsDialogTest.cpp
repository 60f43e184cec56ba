#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "forms/frmSysConfig.h"
#include "saverctl/ScreenSaverCtrl.h"
#include "support/AssocFolder.h"
#include "support/PanelHarness.h"
#include "support/SaverFolder.h"

class SettingsDialog : public PanelFixture {
  protected:
    // Opens the dialog from the panel's menu, lets the test look and change, then saves.
    void openActAndSave(const std::function<void(frmSysConfig*)>& act) {
        onNextModal<frmSysConfig>([&](frmSysConfig* dialog) {
            act(dialog);
            dialog->cmdSave->click();
        });
        panel->mnuConfig->trigger();
    }
    std::int32_t storedDelay() const {
        SysConfig stored;
        stored.setStrDBFilePath(db.path());
        EXPECT_TRUE(stored.boolGetData());
        return stored.lngSSDelayMinute();
    }
    void addSaverProgram(const QString& name) const {
        addStandInSaverProgram(db.folder() + QStringLiteral("/SSP"), name);
    }
};

TEST_F(SettingsDialog, DelayWithoutItsOwnEntryShowsTheFirstAndSavesWhatIsShown) {
    for (const std::int32_t stored : {0, -3, 1501}) {
        config()->setLngSSDelayMinute(stored);
        openActAndSave([](frmSysConfig* dialog) {
            ASSERT_EQ(dialog->cmbRunScrSavDelayMinute->count(), 1500);
            EXPECT_EQ(dialog->cmbRunScrSavDelayMinute->itemText(1499), QStringLiteral("1500"));
            EXPECT_EQ(dialog->cmbRunScrSavDelayMinute->itemData(1499).toInt(), 1500);
            EXPECT_EQ(dialog->cmbRunScrSavDelayMinute->currentIndex(), 0);
        });
        EXPECT_EQ(config()->lngSSDelayMinute(), 1) << stored;
        EXPECT_EQ(storedDelay(), 1) << stored;
    }
}

TEST_F(SettingsDialog, SaverProgramIsOneOfTheFolderOrABlank) {
    config()->setStrScrSavProcName(QStringLiteral("sarnwick"));
    openActAndSave([](frmSysConfig* dialog) { EXPECT_EQ(dialog->cmbScrSavProcName->count(), 0); });
    EXPECT_EQ(config()->strScrSavProcName(), QStringLiteral(" "));

    addSaverProgram(QStringLiteral("aurora"));
    addSaverProgram(QStringLiteral("sarnwick"));
    for (const auto& [stored, shown] : {std::pair{"gone", "aurora"}, std::pair{"SARNWICK", "sarnwick"}}) {
        config()->setStrScrSavProcName(QString::fromLatin1(stored));
        openActAndSave([](frmSysConfig*) {});
        EXPECT_EQ(config()->strScrSavProcName(), QString::fromLatin1(shown));
    }
}

// A saved change reaches the saver control at once: armed with the new delay and program, or off.
TEST_F(SettingsDialog, SavingArmsOrStopsTheSaverAtOnce) {
    addSaverProgram(QStringLiteral("sarnwick"));
    config()->setBoolScreenSaver(false);
    openActAndSave([](frmSysConfig* dialog) {
        EXPECT_FALSE(dialog->cmbRunScrSavDelayMinute->isEnabled());
        EXPECT_FALSE(dialog->cmdPreviewSS->isEnabled());
        dialog->chkOpenScrSav->click();
        EXPECT_TRUE(dialog->cmbRunScrSavDelayMinute->isEnabled());
        EXPECT_TRUE(dialog->cmdPramSet->isEnabled());
        dialog->cmbRunScrSavDelayMinute->setCurrentIndex(6);
    });
    ScreenSaverCtrl* saver = controler.objScreenSaverCtrl();
    EXPECT_EQ(saver->lngWorkState(), ScreenSaverCtrl::kArmed);
    EXPECT_EQ(saver->lngDelayMinute(), 7);
    EXPECT_EQ(saver->strScreenSaverProcName(), QStringLiteral("sarnwick"));
    EXPECT_EQ(storedDelay(), 7);

    openActAndSave([](frmSysConfig* dialog) { dialog->chkOpenScrSav->click(); });
    EXPECT_EQ(saver->lngWorkState(), ScreenSaverCtrl::kOff);
    EXPECT_FALSE(config()->boolScreenSaver());
}

class SettingsAssociations : public PanelFixture {
  protected:
    std::unique_ptr<frmSysConfig> openDialog(bool admin) {
        auto dialog = std::make_unique<frmSysConfig>(&controler, panel.get(), [admin] { return admin; });
        dialog->strAssocProgramFolder = folder.programFolder();
        dialog->objRunParameter = &record;
        dialog->setFaceItemByData();
        dialog->show();
        return dialog;
    }
    // Opens the association tab and waits for its rows.
    static void openAssociationTab(frmSysConfig& dialog) {
        dialog.sstTab->setCurrentIndex(1);
        EXPECT_TRUE(dialog.picNote1->isVisible());
        EXPECT_FALSE(dialog.cmdSave->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.picNote1->isVisible(), 20000);
        EXPECT_GT(dialog.lvFileAssociationList->topLevelItemCount(), 0);
        EXPECT_TRUE(dialog.cmdSave->isEnabled());
    }

    AssocFolder folder;
    RunParameter record;
};

TEST_F(SettingsAssociations, SavingWithoutTheTabOrAsNoAdministratorWritesNoAssociation) {
    auto dialog = openDialog(true);
    dialog->cmdSave->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->boolAssociaTabLoaded());
    EXPECT_EQ(dialog->objFileAsocaList(), nullptr);
    EXPECT_FALSE(QFile::exists(folder.desktop().userMimeApps()));

    dialog = openDialog(false);
    openAssociationTab(*dialog);
    QTreeWidget* list = dialog->lvFileAssociationList;
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_TRUE(dialog->labFigureNote->isVisible());
    for (QPushButton* button : {dialog->cmdAssociaAll, dialog->cmdNoAssociaAll, dialog->cmdAssociaDefault})
        EXPECT_FALSE(button->isEnabled());
    QTreeWidgetItem* row = list->topLevelItem(0);
    const Qt::CheckState before = row->checkState(0);
    row->setCheckState(0, before == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    EXPECT_EQ(row->checkState(0), before);
    dialog->cmdSave->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(folder.desktop().userMimeApps()));
}

TEST_F(SettingsAssociations, AdministratorChecksEveryTypeAndSaves) {
    auto dialog = openDialog(true);
    openAssociationTab(*dialog);
    EXPECT_FALSE(dialog->labFigureNote->isVisible());
    dialog->cmdAssociaAll->click();
    QTreeWidget* list = dialog->lvFileAssociationList;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        EXPECT_EQ(list->topLevelItem(i)->checkState(0), Qt::Checked);
    dialog->cmdSave->click();
    EXPECT_TRUE(dialog->picNote1->isVisible());
    EXPECT_EQ(dialog->labNote1->text(), QStringLiteral("正在保存数据。。。"));
    EXPECT_FALSE(dialog->close());  // not while it writes
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 60000);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(folder.desktop().readFile(folder.desktop().userMimeApps()).contains("kestrune"));
}
