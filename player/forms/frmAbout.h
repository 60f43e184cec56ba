#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The About box: product, version, and the support address and home page, which open in the user's mail
// program and browser when clicked.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* kSupportMail = "support@kestrune.org";
    static constexpr const char* kHomePage = "https://kestrune.org";

    explicit frmAbout(QWidget* owner = nullptr);

    QLabel* picIco = nullptr;
    QLineEdit* txtEMail = nullptr;
    QLineEdit* txtHomePage = nullptr;
    QPushButton* cmdOk = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
