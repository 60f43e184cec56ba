#pragma once

#include <QLoggingCategory>

// The play list's and run configuration's log: what could not be read or stored.
Q_DECLARE_LOGGING_CATEGORY(lcModel)
