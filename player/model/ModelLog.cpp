#include "ModelLog.h"

Q_LOGGING_CATEGORY(lcModel, "kestrune.model")
