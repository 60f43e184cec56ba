#pragma once

#include <QLoggingCategory>

// Start-up's log: what the player starts without.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
