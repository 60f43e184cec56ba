#include "frmPramSet.h"

#include "ForegroundWindow.h"
#include "SaverTexts.h"
#include "ScrSavParameters.h"
#include "platform/Twips.h"

namespace {
int pixelsX(int twips) {
    return static_cast<int>(lngPixelsFromTwips(twips, twipsPerPixelX()));
}
int pixelsY(int twips) {
    return static_cast<int>(lngPixelsFromTwips(twips, twipsPerPixelY()));
}
// A control's place from its design values in twips.
void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(pixelsX(left), pixelsY(top), pixelsX(width), pixelsY(height));
}
}  // namespace

frmPramSet::frmPramSet()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      Frame1(new QGroupBox(QStringLiteral("文字设置"), this)),
      optSysTime(new QRadioButton(QStringLiteral("使用系统时间文字"), Frame1)),
      optCustom(new QRadioButton(QStringLiteral("使用自定义文字"), Frame1)),
      txtContent(new QLineEdit(Frame1)),
      cmdSave(new QPushButton(QStringLiteral("保存"), this)),
      cmdCancel(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("Sarnwick屏保设置"));
    setFixedSize(pixelsX(4755), pixelsY(2355));
    place(Frame1, 180, 120, 4395, 1395);
    place(optSysTime, 240, 360, 4035, 255);
    place(optCustom, 240, 780, 3435, 195);
    place(txtContent, 1920, 720, 2295, 315);
    place(cmdSave, 2040, 1740, 915, 375);
    place(cmdCancel, 3240, 1740, 975, 375);
    cmdSave->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    setTabOrder(optSysTime, optCustom);
    setTabOrder(optCustom, txtContent);
    setTabOrder(txtContent, cmdSave);
    setTabOrder(cmdSave, cmdCancel);

    connect(optSysTime, &QRadioButton::clicked, this, &frmPramSet::optSysTime_Click);
    connect(optCustom, &QRadioButton::clicked, this, &frmPramSet::optCustom_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmPramSet::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPramSet::cmdCancel_Click);
}

void frmPramSet::setFaceItemByPramObj() {
    const QString strMode =
        m_objScrSavParamObj ? m_objScrSavParamObj->strPram(1) : ScrSavParameters::kNotExist;
    const bool boolTime = strMode == QStringLiteral("1");
    optSysTime->setChecked(boolTime);
    optCustom->setChecked(!boolTime);
    txtContent->setEnabled(!boolTime);
    const QString strText =
        m_objScrSavParamObj ? m_objScrSavParamObj->strPram(2) : ScrSavParameters::kNotExist;
    txtContent->setText(strText == ScrSavParameters::kNotExist ? strDefaultTitle : strText);
}

void frmPramSet::centre() {
    QRect frame = frameGeometry();
    frame.moveCenter(QPoint(lngCenterX, lngCenterY));
    move(frame.topLeft());
}

void frmPramSet::setMeToTopMost() {
    centre();
    show();
    // The frame the window manager adds is known once shown.
    centre();
    raise();
    activateWindow();
}

void frmPramSet::optSysTime_Click() {
    txtContent->setEnabled(false);
}

void frmPramSet::optCustom_Click() {
    txtContent->setEnabled(true);
}

void frmPramSet::savePramsFromFace() {
    if (!m_objScrSavParamObj) return;
    m_objScrSavParamObj->boolSetAPramByIndex(
        1, optSysTime->isChecked() ? QStringLiteral("1") : QStringLiteral("2"));
    m_objScrSavParamObj->boolSetAPramByIndex(2, txtContent->text());
    QString ignored;
    m_objScrSavParamObj->boolSavePramsToDB(ignored);
}

void frmPramSet::cmdSave_Click() {
    savePramsFromFace();
    accept();
}

void frmPramSet::cmdCancel_Click() {
    reject();
}

// Every way out ends here: the buttons, the close box (through reject) and Escape.
void frmPramSet::done(int result) {
    QDialog::done(result);
    if (m_boolUnloaded) return;
    m_boolUnloaded = true;
    m_objScrSavParamObj = nullptr;
    boolBringWindowToFront(strFrmCaptionForBack);
    emit Unloaded();
}
