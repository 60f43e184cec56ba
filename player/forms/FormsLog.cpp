#include "FormsLog.h"

Q_LOGGING_CATEGORY(lcForms, "kestrune.forms")
