#pragma once

#include <QLoggingCategory>

// The engine loader's messages: which engine library was not loaded, and why.
Q_DECLARE_LOGGING_CATEGORY(lcEngineLoader)
