#pragma once

#include <QLoggingCategory>

// The GStreamer engine's messages, the warnings and errors of its pipeline among them.
Q_DECLARE_LOGGING_CATEGORY(lcGStreamerEngine)
