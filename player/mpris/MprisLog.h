#pragma once

#include <QLoggingCategory>

// The media controls' log: the bus name the player took, or why it is not on the bus.
Q_DECLARE_LOGGING_CATEGORY(lcMpris)
