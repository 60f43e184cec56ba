#include "DbLog.h"

Q_LOGGING_CATEGORY(lcDb, "kestrune.db")
