#pragma once

#include <QLoggingCategory>

// The mpv engine's messages, libmpv's own warnings and errors among them.
Q_DECLARE_LOGGING_CATEGORY(lcMpvEngine)
