#include "Clock.h"

#include "Services.h"

Clock& currentClock() {
    return *services().clock;
}
