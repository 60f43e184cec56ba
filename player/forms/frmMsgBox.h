#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's own modal message box: a note or a question with up to two buttons. The caller sets the
// caption, the text, the buttons and which of them holds the focus, runs exec() and reads boolResult.
// Closing the box any other way than with "Yes" leaves boolResult false.
class frmMsgBox : public QDialog {
    Q_OBJECT
  public:
    explicit frmMsgBox(QWidget* owner = nullptr);

    // The one-button note: title "提示", the note, a "确定" button; modal over the owner.
    static void showNote(QWidget* owner, const QString& note);
    // The same note without waiting for it: shown modal over the owner (over the whole program without
    // one), it goes once closed; the caller may follow finished().
    static frmMsgBox* openNote(QWidget* owner, const QString& note);

    QLabel* Picture1 = nullptr;
    QLabel* labNote = nullptr;
    QPushButton* cmdYes = nullptr;
    QPushButton* cmdNo = nullptr;
    bool boolResult = false;
    bool boolDefaultYes = false;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void setUpNote(const QString& note);
};
