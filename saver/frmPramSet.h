#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>

class ScrSavParameters;

// The saver's parameter dialog: the system time or a custom text, saved to the parameter store. Shown
// top-most, not modal, centred on the point the player gave. However it closes, it brings the player's
// window of strFrmCaptionForBack back to the front and raises Unloaded; only cmdSave writes.
class frmPramSet : public QDialog {
    Q_OBJECT

  public:
    frmPramSet();

    std::int32_t lngCenterX = 0;
    std::int32_t lngCenterY = 0;
    QString strFrmCaptionForBack;
    ScrSavParameters* objScrSavParamObj() const { return m_objScrSavParamObj; }
    void setObjScrSavParamObj(ScrSavParameters* value) { m_objScrSavParamObj = value; }

    // Fills the controls from the store: time mode only for P1 = "1"; the text P2, or the default title
    // when it is missing.
    void setFaceItemByPramObj();
    // Centres the dialog on (lngCenterX, lngCenterY) and shows it top-most.
    void setMeToTopMost();

    void optSysTime_Click();
    void optCustom_Click();
    void cmdSave_Click();
    void cmdCancel_Click();

    QGroupBox* Frame1;
    QRadioButton* optSysTime;
    QRadioButton* optCustom;
    QLineEdit* txtContent;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;

  signals:
    void Unloaded();

  public slots:
    void done(int result) override;

  private:
    void savePramsFromFace();
    void centre();

    ScrSavParameters* m_objScrSavParamObj = nullptr;
    bool m_boolUnloaded = false;
};
