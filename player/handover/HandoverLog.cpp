#include "HandoverLog.h"

Q_LOGGING_CATEGORY(lcHandover, "kestrune.handover")
