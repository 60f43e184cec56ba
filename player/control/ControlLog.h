#pragma once

#include <QLoggingCategory>

// The controller's log: what the player ran on after, without telling the user.
Q_DECLARE_LOGGING_CATEGORY(lcControl)
