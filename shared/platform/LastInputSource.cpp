#include "LastInputSource.h"

#include "Services.h"

LastInputSource& currentLastInputSource() {
    return *services().lastInputSource;
}
