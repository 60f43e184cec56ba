#include "ControlLog.h"

Q_LOGGING_CATEGORY(lcControl, "kestrune.control")
