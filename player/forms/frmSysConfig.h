#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "model/RunParameter.h"

class Controler;
class FileAsocaList;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The run parameter settings: the screen saver, what a play error does and whether the play list is kept
// (tab 0, handed back to the controller on save), and which media types open with the player (tab 1, read
// from and written to the desktop by the dialog itself). The association tab is read only when it is first
// opened, and written only when it was read and the user is an administrator; both happen a moment after a
// busy note is up, so that the note paints before the long desktop work.
class frmSysConfig : public QDialog {
    Q_OBJECT
  public:
    // Whether the user may change the desktop's associations; asked once, when the dialog is made.
    using AdminCheck = std::function<bool()>;

    explicit frmSysConfig(Controler* controler, QWidget* owner = nullptr, AdminCheck adminCheck = {});
    ~frmSysConfig() override;

    // The record the controller fills before setFaceItemByData and receives back on save.
    RunParameter* objRunParameter = nullptr;
    // The program folder whose settings database and association folder the association tab uses.
    QString strAssocProgramFolder;

    void setFaceItemByData();
    void getAssociaInfoFromReg();

    bool boolUserIsAdmin() const { return m_boolUserIsAdmin; }
    bool boolAssociaTabLoaded() const { return m_boolAssociaTabLoaded; }
    FileAsocaList* objFileAsocaList() const { return m_objFileAsocaList.get(); }

    QTabWidget* sstTab = nullptr;
    QCheckBox* chkOpenScrSav = nullptr;
    QComboBox* cmbRunScrSavDelayMinute = nullptr;
    QComboBox* cmbScrSavProcName = nullptr;
    QPushButton* cmdPramSet = nullptr;
    QPushButton* cmdPreviewSS = nullptr;
    QCheckBox* chkOnPlayErrShowMainFace = nullptr;
    QCheckBox* chkOnPlayErrContinuePlay = nullptr;
    QCheckBox* chkSavePlayList = nullptr;
    QTreeWidget* lvFileAssociationList = nullptr;
    QPushButton* cmdAssociaAll = nullptr;
    QPushButton* cmdNoAssociaAll = nullptr;
    QPushButton* cmdAssociaDefault = nullptr;
    QLabel* labFigureNote = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QFrame* picNote1 = nullptr;
    QLabel* labNote1 = nullptr;
    QTimer timGetAssociaInfoFromReg;
    QTimer timSaveAssociaInfoToRegAndDb;

  public slots:
    // Closing (the window's close button, Escape) waits while the associations are being read or written.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildBasicTab();
    QWidget* buildAssociationTab();
    void setScrSavControlsEnabled();
    void setBusy(const QString& note);
    void fillAssociationList();
    void setAllRowsChecked(bool checked);
    void sstTab_Click(int index);
    void lvFileAssociationList_ItemCheck(QTreeWidgetItem* item, int column);
    void cmdPramSet_Click();
    void cmdPreviewSS_Click();
    void cmdHelp_Click();
    void cmdSave_Click();
    void timGetAssociaInfoFromReg_Timer();
    void timSaveAssociaInfoToRegAndDb_Timer();

    Controler* m_controler;
    bool m_boolFirstResize = true;
    bool m_boolAssociaTabLoaded = false;
    bool m_boolUserIsAdmin = false;
    bool m_boolFillingList = false;
    std::unique_ptr<FileAsocaList> m_objFileAsocaList;
};
