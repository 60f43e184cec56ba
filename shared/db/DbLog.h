#pragma once

#include <QLoggingCategory>

// The database door's log: failures it answers with an error text, and those it can only note.
Q_DECLARE_LOGGING_CATEGORY(lcDb)
