#pragma once

#include <QLoggingCategory>

// The hand-over channel's log: later starts that could not be served.
Q_DECLARE_LOGGING_CATEGORY(lcHandover)
