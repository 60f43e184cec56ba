#include "TimerEvent.h"
