#pragma once

#include <QLoggingCategory>

// The windows' log: what the user's desktop could not do for them.
Q_DECLARE_LOGGING_CATEGORY(lcForms)
