#include "ModalDialogs.h"

#include <QApplication>
#include <QTimer>
#include <memory>

void onNextModalWidget(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> action) {
    auto* poller = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poller, &QTimer::timeout, [poller, tries, matches, action] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && !matches(dialog)) dialog = nullptr;
        if (!dialog && ++*tries < 1000) return;
        poller->stop();
        poller->deleteLater();
        if (dialog) action(dialog);
    });
    poller->start(10);
}
