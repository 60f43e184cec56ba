#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

// Runs the action on the next modal dialog of that class once it is up and active, so that its focus has
// settled (on a busy machine activation comes a moment after the dialog; one that stays inactive is acted on
// after a second); a failure of the test when none comes up within ten seconds.
template <class Dialog>
void onNextModal(std::function<void(Dialog*)> action) {
    auto* poller = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poller, &QTimer::timeout, [poller, tries, action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool up = dialog && (dialog->isActiveWindow() || *tries >= 100);
        if (!up && ++*tries < 1000) return;
        poller->stop();
        poller->deleteLater();
        if (dialog) action(dialog);
        if (!dialog) ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " came up";
    });
    poller->start(10);
}
