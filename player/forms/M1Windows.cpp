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
bool openInUsersProgram(const QUrl& address) {
    const bool opened = QDesktopServices::openUrl(address);
    if (!opened) qCWarning(lcForms) << "nothing on this desktop opened" << address.toString();
    return opened;
}
}  // namespace

bool openPageInBrowser(QWidget* /*owner*/, const QString& path) {
    const QUrl address(path);
    return openInUsersProgram(address.scheme().size() > 1 ? address : QUrl::fromLocalFile(path));
}

bool openMailTo(QWidget* /*owner*/, const QString& address) {
    return openInUsersProgram(QUrl(QStringLiteral("mailto:") + address));
}
