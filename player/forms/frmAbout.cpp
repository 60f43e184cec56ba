#include "frmAbout.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "M1Windows.h"
#include "basecore/Product.h"

namespace {
QLineEdit* addressBox(const char* address, QWidget* parent) {
    auto* box = new QLineEdit(QString::fromLatin1(address), parent);
    box->setReadOnly(true);
    box->setCursor(Qt::PointingHandCursor);
    // Wide enough for the whole address in the font in use: the text, the box's frame and its inner margins.
    const QMargins margins = box->textMargins();
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(box->text()) + margins.left() +
                         margins.right() + 16);
    return box;
}
}  // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("关于"));
    setWindowIcon(QApplication::windowIcon());
    setModal(true);

    picIco = new QLabel(this);
    picIco->setFixedSize(48, 48);
    auto* labProduct = new QLabel(QLatin1String(kProductName), this);
    QFont productFont = labProduct->font();
    productFont.setBold(true);
    labProduct->setFont(productFont);
    txtEMail = addressBox(kSupportMail, this);
    txtHomePage = addressBox(kHomePage, this);
    cmdOk = new QPushButton(QStringLiteral("确定"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(labProduct, 0, 0, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("版本："), this), 1, 0);
    fields->addWidget(new QLabel(QLatin1String(kProductVersion), this), 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("电子邮箱："), this), 2, 0);
    fields->addWidget(txtEMail, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("主页："), this), 3, 0);
    fields->addWidget(txtHomePage, 3, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(picIco, 0, Qt::AlignTop);
    top->addLayout(fields, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cmdOk, 0, Qt::AlignRight);

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    txtEMail->installEventFilter(this);
    txtHomePage->installEventFilter(this);
}

void frmAbout::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    picIco->setPixmap(QApplication::windowIcon().pixmap(picIco->size()));
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == txtEMail) openMailTo(this, QString::fromLatin1(kSupportMail));
        if (watched == txtHomePage) openPageInBrowser(this, QString::fromLatin1(kHomePage));
    }
    return QDialog::eventFilter(watched, event);
}
