#include "frmMsgBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmMsgBox::frmMsgBox(QWidget* owner) : QDialog(owner) {
    setWindowIcon(QApplication::windowIcon());
    setModal(true);

    Picture1 = new QLabel(this);
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    labNote = new QLabel(this);
    labNote->setWordWrap(true);
    cmdYes = new QPushButton(this);
    cmdNo = new QPushButton(this);

    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(Picture1, 0, Qt::AlignTop);
    noteRow->addWidget(labNote, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdYes);
    buttonRow->addWidget(cmdNo);
    buttonRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(noteRow);
    layout->addLayout(buttonRow);

    connect(cmdYes, &QPushButton::clicked, this, [this] {
        boolResult = true;
        accept();
    });
    connect(cmdNo, &QPushButton::clicked, this, [this] {
        boolResult = false;
        reject();
    });
}

void frmMsgBox::setUpNote(const QString& note) {
    setWindowTitle(QStringLiteral("提示"));
    labNote->setText(note);
    cmdYes->setText(QStringLiteral("确定"));
    cmdNo->setText(QString());
    cmdNo->hide();
    boolDefaultYes = true;
}

void frmMsgBox::showNote(QWidget* owner, const QString& note) {
    frmMsgBox box(owner);
    box.setUpNote(note);
    box.exec();
}

frmMsgBox* frmMsgBox::openNote(QWidget* owner, const QString& note) {
    auto* box = new frmMsgBox(owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setUpNote(note);
    box->open();
    return box;
}

// Also on the first display: the button the caller named takes the focus.
void frmMsgBox::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    QPushButton* focused = boolDefaultYes ? cmdYes : cmdNo;
    focused->setDefault(true);
    focused->setFocus();
}
