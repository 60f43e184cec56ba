#pragma once

#include <QWidget>
#include <functional>

// Runs the action on the next modal dialog that `matches` accepts, once it is up (for ten seconds at most).
void onNextModalWidget(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> action);

// Runs the action on the next modal dialog of that class, once it is up.
template <class Dialog>
void onNextModal(std::function<void(Dialog*)> action) {
    onNextModalWidget(
        [](QWidget* widget) { return qobject_cast<Dialog*>(widget) != nullptr; },
        [action = std::move(action)](QWidget* widget) { action(qobject_cast<Dialog*>(widget)); });
}
