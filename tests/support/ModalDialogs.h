#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

// Runs the action on the next modal dialog of that class once it is up and active (its focus given); a
// failure of the test when none comes up within ten seconds.
template <class Dialog>
void onNextModal(std::function<void(Dialog*)> action) {
    auto* poller = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poller, &QTimer::timeout, [poller, tries, action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if ((!dialog || !dialog->isActiveWindow()) && ++*tries < 1000) return;
        poller->stop();
        poller->deleteLater();
        if (dialog) action(dialog);
        if (!dialog) ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " came up";
    });
    poller->start(10);
}
