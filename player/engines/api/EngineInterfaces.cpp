// The engine interfaces live in a shared library of their own, so that the player and the engine plugins it
// loads share one copy of their meta-objects.
#include "MediaPlayerEngine.h"
#include "RealPlayerEngine.h"
