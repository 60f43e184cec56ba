#include "M1Windows.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "FormsLog.h"
#include "control/Controler.h"
#include "frmMsgBox.h"

void confirmExit(QWidget* owner, Controler* controler) {
    frmMsgBox box(owner);
    box.setWindowTitle(QStringLiteral("提示"));
    box.labNote->setText(QStringLiteral("您真的要关闭该程序吗?      "));
    box.cmdYes->setText(QStringLiteral("是"));
    box.cmdNo->setText(QStringLiteral("否"));
    box.boolDefaultYes = true;
    box.exec();
    if (box.boolResult && controler) controler->exitSys();
}

// A text with a scheme of more than one letter is an address; anything else (a drive letter included) a path.
namespace {
// The user's own program for the address (their browser, their mail program); when the desktop has none
// (no xdg-open, no browser), the user is told so.
bool openInUsersProgram(QWidget* owner, const QUrl& address) {
    if (QDesktopServices::openUrl(address)) return true;
    qCWarning(lcForms) << "nothing on this desktop opened" << address.toString();
    frmMsgBox::showNote(owner, QStringLiteral("本机没有可以打开它的程序：\n") +
                                   address.toDisplayString(QUrl::PreferLocalFile));
    return false;
}
}  // namespace

bool openPageInBrowser(QWidget* owner, const QString& path) {
    const QUrl address(path);
    return openInUsersProgram(owner, address.scheme().size() > 1 ? address : QUrl::fromLocalFile(path));
}

bool openMailTo(QWidget* owner, const QString& address) {
    return openInUsersProgram(owner, QUrl(QStringLiteral("mailto:") + address));
}
