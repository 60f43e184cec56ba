#include "MprisLog.h"

Q_LOGGING_CATEGORY(lcMpris, "kestrune.mpris")
